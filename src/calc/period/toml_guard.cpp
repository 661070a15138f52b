#include "toml_guard.h"

namespace recibo {
namespace {

class Scanner {
public:
    explicit Scanner(std::string_view bytes) : bytes_(bytes) {}

    std::optional<std::size_t> firstStray()
    {
        while (i_ < bytes_.size()) {
            if (!outsideStrings())
                return line_;
        }
        return std::nullopt;
    }

private:
    bool outsideStrings()
    {
        const char c = take();
        if (c == '#')
            skipTo("\n", false);
        else if (c == '"')
            return opens("\"\"") ? skipTo("\"\"\"", true) : skipTo("\"", true);
        else if (c == '\'')
            skipTo(opens("''") ? "'''" : "'", false);
        else if (isWide(c))
            return false;
        return true;
    }

    // Skips to the end of a string or comment; false when an escape in it is the kind toml++ trips on.
    bool skipTo(std::string_view end, bool escapes)
    {
        while (i_ < bytes_.size()) {
            if (opens(end)) {
                // A triple quote may close with one or two more quotes, which are the string's own.
                for (int extra = 0; end.size() == 3 && extra < 2 && opens(end.substr(0, 1)); ++extra) {
                }
                return true;
            }
            const char c = take();
            if (escapes && c == '\\' && !escapeIsSafe())
                return false;
        }
        return true;
    }

    // A backslash followed by a wide character, or ending a line before one, makes toml++ ask
    // whether that character is blank space.
    bool escapeIsSafe()
    {
        if (i_ < bytes_.size() && bytes_[i_] != ' ' && bytes_[i_] != '\t' && bytes_[i_] != '\r' && bytes_[i_] != '\n')
            return !isWide(take());
        while (i_ < bytes_.size() && (bytes_[i_] == ' ' || bytes_[i_] == '\t' || bytes_[i_] == '\r' || bytes_[i_] == '\n'))
            take();
        return i_ == bytes_.size() || !isWide(bytes_[i_]);
    }

    // Takes `text` when the bytes go on with it.
    bool opens(std::string_view text)
    {
        if (bytes_.substr(i_, text.size()) != text)
            return false;
        for (std::size_t k = 0; k < text.size(); ++k)
            take();
        return true;
    }

    char take()
    {
        const char c = bytes_[i_++];
        if (c == '\n')
            ++line_;
        return c;
    }

    static bool isWide(char c) { return static_cast<unsigned char>(c) >= 0x80; }

    std::string_view bytes_;
    std::size_t i_ = 0;
    std::size_t line_ = 1;
};

}  // namespace

std::optional<std::size_t> firstStrayNonAsciiLine(std::string_view bytes)
{
    return Scanner(bytes).firstStray();
}

}  // namespace recibo

#include "toml_guard.h"

#include <array>

namespace recibo {
namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// Where toml++ 3.3.0's blank-space test falls through to its unreachable branch.
constexpr std::array<Range, 4> kTripping{{{0xA1, 0x499}, {0x2C5E, 0x2FFF}, {0x3001, 0x3057}, {0xFB26, 0xFEFE}}};
constexpr char32_t kStandIns = 0x100000;  // plane 16, private use, past every range toml++ tests

constexpr char32_t standInCount()
{
    char32_t count = 0;
    for (const Range &r : kTripping)
        count += r.last - r.first + 1;
    return count;
}

bool isStandIn(char32_t c) { return c >= kStandIns && c < kStandIns + standInCount(); }

char32_t shielded(char32_t c)
{
    char32_t before = 0;
    for (const Range &r : kTripping) {
        if (c >= r.first && c <= r.last)
            return kStandIns + before + (c - r.first);
        before += r.last - r.first + 1;
    }
    return c;
}

char32_t unshielded(char32_t c)
{
    if (!isStandIn(c))
        return c;
    char32_t index = c - kStandIns;
    for (const Range &r : kTripping) {
        if (index <= r.last - r.first)
            return r.first + index;
        index -= r.last - r.first + 1;
    }
    return c;
}

// Decodes the well-formed sequence at `i` and moves `i` past it.
char32_t decode(std::string_view utf8, std::size_t &i)
{
    const auto byte = [&](std::size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(utf8[k])); };
    const char32_t lead = byte(i);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
        c = (c << 6) | (byte(i + k) & 0x3F);
    i += length;
    return c;
}

void encode(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    const unsigned char leads[] = {0, 0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(leads[length] | (c >> (6 * (length - 1))));
    for (int k = length - 2; k >= 0; --k)
        out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
}

template <typename Map>
std::string mapped(std::string_view utf8, Map map)
{
    std::string out;
    out.reserve(utf8.size() + utf8.size() / 2);
    for (std::size_t i = 0; i < utf8.size();)
        encode(out, map(decode(utf8, i)));
    return out;
}

}  // namespace

std::optional<std::size_t> firstStandInLine(std::string_view utf8)
{
    std::size_t line = 1;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = decode(utf8, i);
        if (isStandIn(c))
            return line;
        if (c == U'\n')
            ++line;
    }
    return std::nullopt;
}

std::string shieldFromToml(std::string_view utf8) { return mapped(utf8, shielded); }

std::string unshield(std::string_view utf8) { return mapped(utf8, unshielded); }

}  // namespace recibo

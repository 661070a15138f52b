#include "failure_message.h"

#include <array>
#include <string_view>

#include "number_text.h"

namespace recibo::entry {
namespace {

// Fields read as counts or as 16-bit whole numbers: the message says which numbers they take.
constexpr std::array<std::string_view, 2> kCountFields{"cantidadhijos", "cantidadhijosdisc"};
constexpr std::array<std::string_view, 4> kWhole16Fields{"cantkm", "punbas", "jorcom", "proljor"};

template <std::size_t N>
bool contains(const std::array<std::string_view, N> &names, const std::string &name)
{
    for (std::string_view candidate : names) {
        if (candidate == name) {
            return true;
        }
    }
    return false;
}

QString withCapital(QString text)
{
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

}  // namespace

QString failureMessage(const Failure &failure, const QString &caption)
{
    const QString field = withCapital(caption.isEmpty() ? QString::fromStdString(failure.field) : caption);
    const QString typed = QString::fromStdString(failure.text);
    switch (failure.kind) {
    case FailureKind::NoCategory:
        return QStringLiteral("seleccione cargo u horas de nivel medio o superior");
    case FailureKind::NoPosition:
        return QString::fromUtf8(kNoPositionMessage);
    case FailureKind::Conversion:
        if (contains(kCountFields, failure.field)) {
            return QStringLiteral("%1: \"%2\" no es un número entero de 0 a 255.").arg(field, typed);
        }
        if (contains(kWhole16Fields, failure.field)) {
            return QStringLiteral("%1: \"%2\" no es un número entero de -32768 a 32767.").arg(field, typed);
        }
        return QStringLiteral("%1: \"%2\" no es un número.").arg(field, typed);
    case FailureKind::Limit: {
        if (!contains(kCountFields, failure.field)) {
            // Hours and points so large that the amounts would leave the money range.
            return QStringLiteral("%1: \"%2\" es un número demasiado grande.").arg(field, typed);
        }
        const std::optional<std::uint8_t> count = readCount(failure.text);
        if (failure.field == "cantidadhijosdisc" && count && *count > kMaxDisabledChildren) {
            return QStringLiteral("%1: \"%2\" supera el máximo de %3 hijos diferenciados.")
                .arg(field, typed)
                .arg(kMaxDisabledChildren);
        }
        return QStringLiteral("%1: \"%2\": hijos e hijos diferenciados juntos no pueden ser más de %3.")
            .arg(field, typed)
            .arg(kMaxChildrenTogether);
    }
    }
    return QString();
}

}  // namespace recibo::entry

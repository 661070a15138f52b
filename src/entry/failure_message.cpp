#include "failure_message.h"

#include "input_fields.h"
#include "number_text.h"
#include "selection_dialog.h"

namespace recibo::entry {
namespace {

QString textOf(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString withCapital(QString text)
{
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

// The field as the user finds it: its caption, and the dialog it stands on when not on this window.
QString captionOf(const TextField *field, const std::string &control)
{
    if (!field) {
        return QString::fromStdString(control);
    }
    const QString caption = withCapital(textOf(field->caption));
    if (field->window == FieldWindow::Advertencia) {
        return QStringLiteral("%1 (%2)").arg(caption, catalogue::SelectionDialog::title());
    }
    return caption;
}

QString notANumber(const TextField *field, const QString &caption, const QString &typed)
{
    const NumberKind kind = field ? field->kind : NumberKind::Double;
    if (kind == NumberKind::Count) {
        return QStringLiteral("%1: \"%2\" no es un número entero de 0 a 255.").arg(caption, typed);
    }
    if (kind == NumberKind::Whole16) {
        return QStringLiteral("%1: \"%2\" no es un número entero de -32768 a 32767.").arg(caption, typed);
    }
    return QStringLiteral("%1: \"%2\" no es un número.").arg(caption, typed);
}

QString pastLimit(const Failure &failure, const Period &period, const TextField *field, const QString &caption,
                  const QString &typed)
{
    if (!field || field->kind != NumberKind::Count) {
        // Hours and points so large that the amounts would leave the money range.
        return QStringLiteral("%1: \"%2\" es un número demasiado grande.").arg(caption, typed);
    }
    const std::optional<std::uint8_t> count = readCount(failure.text);
    if (field == &fields::cantidadhijosdisc && count && *count > period.maxDisabledChildren()) {
        return QStringLiteral("%1: \"%2\" supera el máximo de %3 hijos diferenciados.")
            .arg(caption, typed)
            .arg(period.maxDisabledChildren());
    }
    return QStringLiteral("%1: \"%2\": hijos e hijos diferenciados juntos no pueden ser más de %3.")
        .arg(caption, typed)
        .arg(kMaxChildrenTogether);
}

}  // namespace

QString failureMessage(const Failure &failure, const Period &period)
{
    const TextField *field = findTextField(failure.field);
    const QString caption = captionOf(field, failure.field);
    const QString typed = QString::fromStdString(failure.text);
    switch (failure.kind) {
    case FailureKind::NoCategory:
        return QStringLiteral("seleccione cargo u horas de nivel medio o superior");
    case FailureKind::NoPosition:
        return QStringLiteral("Elija un cargo: escriba su código o elija su nombre en «%1».")
            .arg(catalogue::SelectionDialog::title());
    case FailureKind::Conversion:
        return notANumber(field, caption, typed);
    case FailureKind::Limit:
        return pastLimit(failure, period, field, caption, typed);
    }
    return QString();
}

}  // namespace recibo::entry

#include "slip_texts.h"

#include <QStringList>

#include "controls.h"

namespace recibo::receipt {
namespace {

QString magnitude(Money amount, char separator)
{
    const Money positive = amount < Money() ? Money() - amount : amount;
    return QString::fromStdString(moneyText(positive, separator));
}

}  // namespace

QString spokenAmount(Money amount, char separator)
{
    return (amount < Money() ? QStringLiteral("-$") : QStringLiteral("$")) + magnitude(amount, separator);
}

QString differenceText(Money difference, char separator)
{
    return (difference < Money() ? QStringLiteral("-$ ") : QStringLiteral("+$ ")) + magnitude(difference, separator);
}

QString stateWord(const SlipLine &line, bool unexplained)
{
    switch (line.state) {
    case LineState::NotTyped: return QString();
    case LineState::Unreadable: return QStringLiteral("no se lee");
    case LineState::Matches: return QStringLiteral("coincide");
    case LineState::Differs: return unexplained ? QStringLiteral("sin explicación") : QStringLiteral("no coincide");
    }
    return QString();
}

QString lineName(const SlipLine &line)
{
    const QString description = ui::textOf(line.description);
    if (line.isTotal()) {
        return description;
    }
    const QString code = QString::fromStdString(line.code);
    return description.isEmpty() ? code : code + QLatin1Char(' ') + description;
}

QString lineSentence(const SlipLine &line, bool unexplained, char separator)
{
    QStringList parts;
    if (!line.isTotal()) {
        parts << QString::fromStdString(line.code);
    }
    if (!line.description.empty()) {
        parts << ui::textOf(line.description);
    }
    parts << (line.calculated ? QStringLiteral("calculado ") + spokenAmount(*line.calculated, separator)
                              : QStringLiteral("no está en el recibo calculado"));
    switch (line.state) {
    case LineState::NotTyped: parts << QStringLiteral("mi recibo vacío"); break;
    case LineState::Unreadable:
        parts << QStringLiteral("mi recibo \"%1\"").arg(QString::fromStdString(line.typed))
              << QStringLiteral("no se puede leer");
        break;
    case LineState::Matches:
        parts << QStringLiteral("mi recibo ") + spokenAmount(*line.slip, separator) << QStringLiteral("coincide");
        break;
    case LineState::Differs:
        parts << QStringLiteral("mi recibo ") + spokenAmount(*line.slip, separator)
              << QStringLiteral("diferencia ") + spokenAmount(line.difference(), separator)
              << QStringLiteral("no coincide");
        if (unexplained) {
            parts << QStringLiteral("ningún cambio de los datos lo explica");
        }
        break;
    }
    return parts.join(QStringLiteral(", "));
}

QString unreadableMessage(const SlipLine &line)
{
    return QStringLiteral("No se puede leer el importe de la línea %1: \"%2\". Escríbalo como en el recibo, "
                          "por ejemplo $ 1.234,56.")
        .arg(lineName(line), QString::fromStdString(line.typed));
}

QString summaryText(const SlipComparison &comparison)
{
    if (comparison.compared == 0) {
        return QStringLiteral("Escriba en la columna «Mi recibo» los importes de su recibo; "
                              "una línea vacía no se compara.");
    }
    if (!comparison.differs()) {
        return QStringLiteral("Coinciden todas las líneas escritas (%1 de %1).").arg(comparison.compared);
    }
    return QStringLiteral("Coinciden %1 de %2 líneas escritas.").arg(comparison.matching).arg(comparison.compared);
}

}  // namespace recibo::receipt

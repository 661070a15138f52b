#include "manual_text.h"

#include <QStringList>

namespace recibo::entry {
namespace {

// A macro's arguments: words split at blanks, a quoted argument kept whole.
QStringList arguments(const QString &line)
{
    QStringList words;
    QString word;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char(' ') && !quoted) {
            if (!word.isEmpty()) {
                words.append(word);
            }
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.isEmpty()) {
        words.append(word);
    }
    return words;
}

QString plain(const QString &text)
{
    QString unescaped = text;
    unescaped.replace(QStringLiteral("\\-"), QStringLiteral("-")).replace(QStringLiteral("\\ "), QStringLiteral(" "));
    return unescaped.toHtmlEscaped();
}

// .B, .I, .BR, .RB, .IR, .BI: the arguments in the two fonts named, taking turns, without blanks.
QString inFonts(const QString &macro, const QString &rest)
{
    const QStringList words = arguments(rest);
    if (macro.size() == 1) {
        const QString tag = macro == QLatin1String("B") ? QStringLiteral("b") : QStringLiteral("i");
        return QStringLiteral("<%1>%2</%1>").arg(tag, plain(words.join(QLatin1Char(' '))));
    }
    QString html;
    for (int i = 0; i < words.size(); ++i) {
        const QChar font = macro[i % 2];
        const QString text = plain(words[i]);
        html += font == QLatin1Char('B') ? QStringLiteral("<b>%1</b>").arg(text)
                : font == QLatin1Char('I') ? QStringLiteral("<i>%1</i>").arg(text)
                                           : text;
    }
    return html;
}

}  // namespace

QString manualHtml(const QString &troff)
{
    QString html;
    bool termNext = false;
    for (const QString &line : troff.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1Char('.'))) {
            html += plain(line) + QLatin1Char(' ');
            continue;
        }
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        const QString macro = line.mid(1, space < 0 ? -1 : space - 1);
        const QString rest = space < 0 ? QString() : line.mid(space + 1);
        QString piece;
        if (macro == QLatin1String("TH")) {
            piece = QStringLiteral("<h1>%1</h1>").arg(plain(arguments(rest).value(0)));
        } else if (macro == QLatin1String("SH")) {
            piece = QStringLiteral("<h2>%1</h2>").arg(plain(arguments(rest).join(QLatin1Char(' '))));
        } else if (macro == QLatin1String("PP")) {
            piece = QStringLiteral("<p>");
        } else if (macro == QLatin1String("br")) {
            piece = QStringLiteral("<br>");
        } else if (macro == QLatin1String("TP")) {
            termNext = true;
            continue;
        } else {
            piece = inFonts(macro, rest) + QLatin1Char(' ');
        }
        if (termNext) {
            // The line after .TP is the term; what follows it is indented below.
            piece = QStringLiteral("<p><b>%1</b><br>&nbsp;&nbsp;&nbsp;&nbsp;").arg(piece);
            termNext = false;
        }
        html += piece;
    }
    return html;
}

}  // namespace recibo::entry

#pragma once
// Fitting a text into a cell of the receipt: its width in one font, and, when it is wider than the
// cell, the slightly tighter letter spacing that makes it fit.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

class QWidget;

namespace recibo::receipt {

class TextFit {
public:
    explicit TextFit(const QFont &font);

    // Widths are remembered: every receipt repeats its codes, descriptions and many amounts.
    qreal width(const QString &text);
    // Gives `widget` this font, its letters drawn just close enough for `text` to fit in
    // `maxWidth` pixels (by at most kMaxSqueeze each); returns the width the text then takes.
    int fit(QWidget *widget, const QString &text, int maxWidth);

    // Beyond this squeeze per letter a text would be hard to read; it is then shown at its width.
    static constexpr qreal kMaxSqueeze = 1.0;

private:
    // Enough for every text of several receipts; past it widths are measured each time.
    static constexpr qsizetype kMaxRemembered = 1024;

    QFont font_;
    QFontMetricsF metrics_;
    QHash<QString, qreal> widths_;
};

}  // namespace recibo::receipt

#pragma once
// Fitting a text into a cell of the receipt: its width in one font, and, when it is wider than the
// cell, the slightly tighter letter spacing, then the smaller type, or for a name two lines, that
// make it fit whole.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

class QLabel;
class QWidget;

namespace recibo::receipt {

class TextFit {
public:
    explicit TextFit(const QFont &font);

    // Widths are remembered: every receipt repeats its codes, descriptions and many amounts.
    qreal width(const QString &text);
    // Gives `widget` this font, its letters drawn just close enough for `text` to fit in
    // `maxWidth` pixels (by at most kMaxSqueeze each), in smaller type when that is not enough;
    // returns the width the text then takes.
    int fit(QWidget *widget, const QString &text, int maxWidth);
    // For a name that may take two or more lines: one line of `lineHeight` pixels while it fits at
    // full size, else wrapped within `maxWidth` by `maxHeight` at the largest size that fits.
    // Returns the size the label needs.
    QSize fitLines(QLabel *label, const QString &text, int maxWidth, int lineHeight, int maxHeight);

    // Beyond this squeeze per letter a text would be hard to read; smaller type is used instead.
    static constexpr qreal kMaxSqueeze = 1.0;
    // The smallest type a text is shrunk to; below it a text is shown at this size.
    static constexpr qreal kMinPointSize = 6.0;

private:
    // Enough for every text of several receipts; past it widths are measured each time.
    static constexpr qsizetype kMaxRemembered = 1024;
    static constexpr qreal kPointStep = 0.25;

    QFont font_;
    QFontMetricsF metrics_;
    QHash<QString, qreal> widths_;
};

}  // namespace recibo::receipt

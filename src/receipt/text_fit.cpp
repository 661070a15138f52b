#include "text_fit.h"

#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace recibo::receipt {

namespace {
// Rounding slack so the squeezed text never comes out a hair wider than the cell.
constexpr qreal kSqueezeSlack = 0.01;

void useFont(QWidget *widget, const QFont &font)
{
    if (widget->font() != font) {
        widget->setFont(font);
    }
}

int ceilWidth(const QFont &font, const QString &text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

}  // namespace

TextFit::TextFit(const QFont &font) : font_(font), metrics_(font) {}

qreal TextFit::width(const QString &text)
{
    if (const auto known = widths_.constFind(text); known != widths_.constEnd()) {
        return *known;
    }
    const qreal measured = metrics_.horizontalAdvance(text);
    if (widths_.size() < kMaxRemembered) {
        widths_.insert(text, measured);
    }
    return measured;
}

int TextFit::fit(QWidget *widget, const QString &text, int maxWidth)
{
    const qreal natural = width(text);
    if (natural <= maxWidth || text.isEmpty()) {
        useFont(widget, font_);
        return static_cast<int>(std::ceil(natural));
    }
    QFont tighter = font_;
    const qreal squeeze = (natural - maxWidth) / text.size() + kSqueezeSlack;
    tighter.setLetterSpacing(QFont::AbsoluteSpacing, -std::min(kMaxSqueeze, squeeze));
    // Past the squeeze a long amount takes smaller type rather than crossing the column's rule.
    while (squeeze > kMaxSqueeze && ceilWidth(tighter, text) > maxWidth &&
           tighter.pointSizeF() - kPointStep >= kMinPointSize) {
        tighter.setPointSizeF(tighter.pointSizeF() - kPointStep);
    }
    useFont(widget, tighter);
    return ceilWidth(tighter, text);
}

QSize TextFit::fitLines(QLabel *label, const QString &text, int maxWidth, int lineHeight, int maxHeight)
{
    label->setWordWrap(false);
    if (width(text) <= maxWidth) {
        useFont(label, font_);
        return {static_cast<int>(std::ceil(width(text))), lineHeight};
    }
    QFont smaller = font_;
    const QRect room(0, 0, maxWidth, 1 << 16);
    while (QFontMetrics(smaller).boundingRect(room, Qt::TextWordWrap, text).height() > maxHeight &&
           smaller.pointSizeF() - kPointStep >= kMinPointSize) {
        smaller.setPointSizeF(smaller.pointSizeF() - kPointStep);
    }
    useFont(label, smaller);
    label->setWordWrap(true);
    return {maxWidth, maxHeight};
}

}  // namespace recibo::receipt

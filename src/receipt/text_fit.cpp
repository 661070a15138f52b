#include "text_fit.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace recibo::receipt {

namespace {
// Rounding slack so the squeezed text never comes out a hair wider than the cell.
constexpr qreal kSqueezeSlack = 0.01;
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
        if (widget->font() != font_) {
            widget->setFont(font_);
        }
        return static_cast<int>(std::ceil(natural));
    }
    QFont tighter = font_;
    const qreal squeeze = std::min(kMaxSqueeze, (natural - maxWidth) / text.size() + kSqueezeSlack);
    tighter.setLetterSpacing(QFont::AbsoluteSpacing, -squeeze);
    if (widget->font() != tighter) {
        widget->setFont(tighter);
    }
    return static_cast<int>(std::ceil(QFontMetricsF(tighter).horizontalAdvance(text)));
}

}  // namespace recibo::receipt

#include "rule_line.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "twips.h"

namespace recibo::receipt {

RuleLine::RuleLine(const QString &name, int x1, int y1, int x2, int y2, QWidget *parent,
                   int borderWidth)
    : QWidget(parent), x1_(x1), y1_(y1), x2_(x2), y2_(y2), borderWidth_(borderWidth)
{
    setObjectName(name);
    // A rule never takes clicks from the cells it crosses.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

void RuleLine::setY1(int twips)
{
    y1_ = twips;
    place();
}

void RuleLine::setY2(int twips)
{
    y2_ = twips;
    place();
}

void RuleLine::place()
{
    // A thick rule is centred on its end points, as the line controls draw it.
    const int before = (borderWidth_ - 1) / 2;
    const int left = std::min(ui::px(x1_), ui::px(x2_)) - before;
    const int top = std::min(ui::px(y1_), ui::px(y2_)) - before;
    const int width = std::abs(ui::px(x2_) - ui::px(x1_)) + borderWidth_;
    const int height = std::abs(ui::px(y2_) - ui::px(y1_)) + borderWidth_;
    setGeometry(left, top, width, height);
}

void RuleLine::paintEvent(QPaintEvent * /*event*/)
{
    // On a scaled screen a rule starts on a whole device pixel and is a whole number of device pixels
    // thick, so every rule comes out sharp and as thick as the others.
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const QPointF origin = painter.deviceTransform().map(QPointF(0, 0));
    const qreal thickness = std::max<qreal>(1.0, std::round(borderWidth_ * ratio)) / ratio;
    const qreal left = (std::round(origin.x()) - origin.x()) / ratio;
    const qreal top = (std::round(origin.y()) - origin.y()) / ratio;
    const bool vertical = x1_ == x2_;
    const QRectF strip = vertical ? QRectF(left, 0, thickness, height()) : QRectF(0, top, width(), thickness);
    painter.fillRect(strip, Qt::black);
}

}  // namespace recibo::receipt

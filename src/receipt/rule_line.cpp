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

void paintRules(QPainter &painter, const QWidget &container)
{
    // The painter's scale is the device pixels per window pixel: the screen's ratio, or the page's.
    const QTransform toDevice = painter.deviceTransform();
    const qreal scale = toDevice.m11();
    const QPointF origin = toDevice.map(QPointF(0, 0));
    const auto snapX = [&](qreal x) { return (std::round(origin.x() + x * scale) - origin.x()) / scale; };
    const auto snapY = [&](qreal y) { return (std::round(origin.y() + y * scale) - origin.y()) / scale; };
    for (const RuleLine *rule : container.findChildren<RuleLine *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (rule->isHidden()) {
            continue;
        }
        const QRect place = rule->geometry();
        const qreal thickness = std::max<qreal>(1.0, std::round(rule->borderWidth() * scale)) / scale;
        const qreal left = snapX(place.left());
        const qreal top = snapY(place.top());
        const bool vertical = rule->x1() == rule->x2();
        const QRectF strip = vertical ? QRectF(left, top, thickness, snapY(place.bottom() + 1) - top)
                                      : QRectF(left, top, snapX(place.right() + 1) - left, thickness);
        painter.fillRect(strip, Qt::black);
    }
}

}  // namespace recibo::receipt

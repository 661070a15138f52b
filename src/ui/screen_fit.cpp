#include "screen_fit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>

namespace recibo::ui {
namespace {

constexpr int kGap = 8;  // pixels between a window and the dialog placed beside it

QPoint insideRoom(QPoint corner, QSize size, const QRect &room)
{
    const int x = std::max(room.left(), std::min(corner.x(), room.right() + 1 - size.width()));
    const int y = std::max(room.top(), std::min(corner.y(), room.bottom() + 1 - size.height()));
    return {x, y};
}

}  // namespace

QSize fittedSize(QSize design, QMargins frame, const QRect &room)
{
    const int width = room.width() - frame.left() - frame.right();
    const int height = room.height() - frame.top() - frame.bottom();
    return {std::max(1, std::min(design.width(), width)), std::max(1, std::min(design.height(), height))};
}

QPoint placeBeside(const QRect &anchor, QSize size, const QRect &room, const QRect &keepClear)
{
    const std::array<QPoint, 4> besides{
        QPoint(anchor.right() + 1 + kGap, anchor.top()),
        QPoint(anchor.left() - kGap - size.width(), anchor.top()),
        QPoint(anchor.left(), anchor.bottom() + 1 + kGap),
        QPoint(anchor.left(), anchor.top() - kGap - size.height()),
    };
    // First a place that leaves the whole window free, then one that leaves only its buttons free.
    for (const QRect &mustStayFree : {anchor, keepClear}) {
        for (const QPoint &wanted : besides) {
            const QPoint corner = insideRoom(wanted, size, room);
            if (!QRect(corner, size).intersects(mustStayFree)) {
                return corner;
            }
        }
    }
    const std::array<QPoint, 4> corners{room.topLeft(), QPoint(room.left(), room.bottom() + 1 - size.height()),
                                        QPoint(room.right() + 1 - size.width(), room.bottom() + 1 - size.height()),
                                        QPoint(room.right() + 1 - size.width(), room.top())};
    for (const QPoint &corner : corners) {
        const QPoint inside = insideRoom(corner, size, room);
        if (!QRect(inside, size).intersects(keepClear)) {
            return inside;
        }
    }
    return insideRoom(besides[0], size, room);
}

void fitOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    const QSize fitted = fittedSize(window->size(), frame, room);
    if (fitted != window->size()) {
        window->resize(fitted);
    }
    const QSize outerSize(fitted.width() + frame.left() + frame.right(), fitted.height() + frame.top() + frame.bottom());
    const QPoint corner = insideRoom(window->frameGeometry().topLeft(), outerSize, room);
    if (corner != window->frameGeometry().topLeft()) {
        window->move(corner);
    }
}

}  // namespace recibo::ui

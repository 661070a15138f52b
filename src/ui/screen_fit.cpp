#include "screen_fit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>
#include <optional>

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
    const std::array<QPoint, 8> wanted{
        QPoint(anchor.right() + 1 + kGap, anchor.top()),
        QPoint(anchor.left() - kGap - size.width(), anchor.top()),
        QPoint(anchor.left(), anchor.bottom() + 1 + kGap),
        QPoint(anchor.left(), anchor.top() - kGap - size.height()),
        room.topLeft(),
        QPoint(room.left(), room.bottom()),
        room.bottomRight(),
        QPoint(room.right(), room.top()),
    };
    // Of the places clear of `keepClear`, the one that hides least of the anchor; the first on a tie.
    std::optional<QPoint> best;
    qint64 bestHidden = 0;
    for (const QPoint &place : wanted) {
        const QRect rect(insideRoom(place, size, room), size);
        if (rect.intersects(keepClear)) {
            continue;
        }
        const QRect hidden = rect.intersected(anchor);
        const qint64 area = hidden.isEmpty() ? 0 : qint64(hidden.width()) * hidden.height();
        if (!best || area < bestHidden) {
            best = rect.topLeft();
            bestHidden = area;
        }
    }
    return best.value_or(insideRoom(wanted[0], size, room));
}

int widthRightOf(const QRect &anchor, const QRect &room)
{
    return std::max(0, room.right() - anchor.right() - kGap);
}

ToolPlace toolPlace(const QRect &anchor, QSize size, QMargins frame, const QRect &room, const QRect &keepClear,
                    int minWidth)
{
    const int frameWidth = frame.left() + frame.right();
    const int height = std::max(1, std::min(size.height(), room.height() - frame.top() - frame.bottom()));
    const int widthBeside = widthRightOf(anchor, room) - frameWidth;
    ToolPlace place{{}, {widthBeside >= minWidth && widthBeside < size.width() ? widthBeside : size.width(), height}};
    place.corner = placeBeside(anchor, place.size.grownBy(frame), room, keepClear);
    if (QRect(place.corner, place.size.grownBy(frame)).intersects(keepClear)) {
        // No room beside at this width: narrower, it can stand left of what must stay in sight.
        const int widthLeft = keepClear.left() - kGap - room.left() - frameWidth;
        if (widthLeft >= minWidth && widthLeft < place.size.width()) {
            place.size.setWidth(widthLeft);
            place.corner = placeBeside(anchor, place.size.grownBy(frame), room, keepClear);
        }
    }
    return place;
}

void placeToolWindow(QWidget *tool, const QWidget *window, const QRect &keepClear, int minWidth)
{
    const QScreen *screen = window->screen();
    if (!screen) {
        return;
    }
    const QRect outer = tool->frameGeometry();
    const QRect inner = tool->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    const ToolPlace place =
        toolPlace(window->frameGeometry(), tool->size(), frame, screen->availableGeometry(), keepClear, minWidth);
    if (place.size != tool->size()) {
        tool->resize(place.size);
    }
    tool->move(place.corner);
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

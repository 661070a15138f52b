#pragma once
// Windows are designed for a screen at least as large as themselves; on a smaller screen (a laptop,
// or a large screen at 200 %) they are fitted into the screen's free area, and the selection dialog
// is placed where it leaves the buttons the user needs next uncovered.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace recibo::ui {

// The client size a window of `design` size gets when its frame must stay inside `room`.
QSize fittedSize(QSize design, QMargins frame, const QRect &room);

// The top-left corner of a window of `size` (frame included) inside `room` and never over
// `keepClear`: beside `anchor` (right, left, below or above) where the room allows, else where it
// hides the least of the anchor.
QPoint placeBeside(const QRect &anchor, QSize size, const QRect &room, const QRect &keepClear);

// The widest window (frame included) that `placeBeside` can put right of `anchor` inside `room`.
int widthRightOf(const QRect &anchor, const QRect &room);

// Where a tool window of client `size` and `frame` stands beside `anchor` inside `room`, with its
// client size: narrowed to the room right of the anchor where that leaves at least `minWidth`;
// where nothing beside keeps it off `keepClear`, narrowed to the room left of `keepClear` if that
// leaves `minWidth`; and never taller than the room.
struct ToolPlace {
    QPoint corner;  // of the frame
    QSize size;     // of the client area
};
ToolPlace toolPlace(const QRect &anchor, QSize size, QMargins frame, const QRect &room, const QRect &keepClear,
                    int minWidth);

// Sizes and moves `tool` as toolPlace says, beside `window` on its screen.
void placeToolWindow(QWidget *tool, const QWidget *window, const QRect &keepClear, int minWidth);

// Shrinks a top-level window to its screen's free area where the screen is smaller than it, and
// moves it so that it lies inside that area.
void fitOnScreen(QWidget *window);

}  // namespace recibo::ui

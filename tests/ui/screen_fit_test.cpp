// Windows fitted into a screen's free area, and the selection dialog placed beside the data-entry
// window without covering its buttons, on the screens a teacher has: 1366x768, and 1920x1080 at
// 150 % and 200 % (1280x720 and 960x540 logical pixels), and 1366x768 at 150 % (910x512), each
// less a 32-pixel panel.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "screen_fit.h"

namespace {

using recibo::ui::fittedSize;
using recibo::ui::placeBeside;

const QSize kEntryWindow(792, 573);   // the data-entry and receipt windows' design size
const QSize kDialog(649, 436);        // the selection dialog
const QMargins kFrame(4, 30, 4, 4);   // a window manager's title bar and borders
const QRect kButtons(692, 184, 92, 120);  // "Calcular" and "Salir", in the data-entry window
const QRect kReceiptButtons(656, 328, 89, 129);  // "Volver", "Imprimir" and "Salir", in the receipt window

struct Screen {
    const char *name;
    QRect room;
};

void PrintTo(const Screen &s, std::ostream *os) { *os << s.name; }

const Screen kScreens[] = {
    {"1366x768", QRect(0, 32, 1366, 736)},
    {"1920x1080 at 150 %", QRect(0, 32, 1280, 688)},
    {"1920x1080 at 200 %", QRect(0, 32, 960, 508)},
    {"1366x768 at 150 %", QRect(0, 32, 910, 480)},
};

class OnScreen : public ::testing::TestWithParam<Screen> {};

TEST_P(OnScreen, AWindowWithItsFrameFitsTheFreeArea)
{
    const QRect room = GetParam().room;
    const QSize size = fittedSize(kEntryWindow, kFrame, room);
    EXPECT_LE(size.width() + kFrame.left() + kFrame.right(), room.width());
    EXPECT_LE(size.height() + kFrame.top() + kFrame.bottom(), room.height());
    // Never larger than its design, and only as much smaller as the screen asks.
    EXPECT_LE(size.width(), kEntryWindow.width());
    EXPECT_LE(size.height(), kEntryWindow.height());
    EXPECT_TRUE(size.height() == kEntryWindow.height() ||
                size.height() + kFrame.top() + kFrame.bottom() == room.height());
}

TEST_P(OnScreen, TheDialogStandsInsideTheScreenClearOfTheButtons)
{
    const QRect room = GetParam().room;
    const QSize window = fittedSize(kEntryWindow, kFrame, room).grownBy(kFrame);
    const QRect anchor(room.topLeft(), window);
    const QRect buttons = kButtons.translated(room.topLeft() + QPoint(kFrame.left(), kFrame.top()));
    const QRect dialog(placeBeside(anchor, kDialog, room, buttons), kDialog);
    EXPECT_TRUE(room.contains(dialog)) << dialog.x() << "," << dialog.y();
    EXPECT_FALSE(dialog.intersects(buttons));
}

// The "Cómo se calculó" window, narrowed to the room right of the receipt window, stands there
// clear of the receipt's buttons on the screens that have that room.
TEST_P(OnScreen, TheWorkingWindowNarrowedToTheRoomBesideStandsBeside)
{
    const QRect room = GetParam().room;
    const QRect anchor(room.topLeft(), fittedSize(kEntryWindow, kFrame, room).grownBy(kFrame));
    const int width = recibo::ui::widthRightOf(anchor, room);
    if (width < 420) {
        GTEST_SKIP() << "no room beside on this screen";
    }
    const QSize working(std::min(width, 720), 520);
    const QRect buttons = kButtons.translated(room.topLeft() + QPoint(kFrame.left(), kFrame.top()));
    const QRect placed(placeBeside(anchor, working, room, buttons), working);
    EXPECT_TRUE(room.contains(placed));
    EXPECT_FALSE(placed.intersects(anchor)) << placed.x() << "," << placed.y();
}

// A tool window taller than some screens and wider than the room beside the receipt (the slip
// comparison) stays readable, inside the screen and clear of the receipt's buttons; beside the
// receipt where narrowing lets it.
TEST_P(OnScreen, AToolWindowStandsInsideTheScreenClearOfTheButtons)
{
    const QRect room = GetParam().room;
    const QRect anchor(room.topLeft(), fittedSize(kEntryWindow, kFrame, room).grownBy(kFrame));
    const QRect buttons = kReceiptButtons.translated(room.topLeft() + QPoint(kFrame.left(), kFrame.top()));
    constexpr int kReadable = 540;
    const recibo::ui::ToolPlace place =
        recibo::ui::toolPlace(anchor, QSize(680, 700), kFrame, room, buttons, kReadable);
    const QRect placed(place.corner, place.size.grownBy(kFrame));
    EXPECT_GE(place.size.width(), kReadable);
    EXPECT_LE(place.size.width(), 680);
    EXPECT_TRUE(room.contains(placed)) << placed.x() << "," << placed.y() << " " << placed.width() << "x"
                                       << placed.height();
    EXPECT_FALSE(placed.intersects(buttons)) << placed.x() << "," << placed.y() << " " << placed.width();
    if (recibo::ui::widthRightOf(anchor, room) >= kReadable + kFrame.left() + kFrame.right()) {
        EXPECT_FALSE(placed.intersects(anchor));
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, OnScreen, ::testing::ValuesIn(kScreens));

TEST(PlaceBeside, BesideTheWindowWhereTheScreenHasRoom)
{
    const QRect room(0, 0, 1920, 1048);
    const QRect anchor(100, 50, 800, 600);
    EXPECT_EQ(placeBeside(anchor, kDialog, room, QRect(790, 230, 90, 120)), QPoint(908, 50));
    // Against the right edge of the screen it goes to the left of the window.
    const QRect atRight(1100, 50, 800, 600);
    EXPECT_EQ(placeBeside(atRight, kDialog, room, QRect(1790, 230, 90, 120)), QPoint(1100 - 8 - 649, 50));
}

TEST(PlaceBeside, WhereNothingBesideFitsItHidesTheLeastOfTheWindow)
{
    const QRect room(0, 0, 1366, 768);
    const QRect anchor(0, 0, 792, 573);
    const QPoint place = placeBeside(anchor, kDialog, room, kButtons);
    // The lower right corner of the screen: clear of the buttons, over only a strip of the window.
    EXPECT_EQ(place, QPoint(1366 - 649, 768 - 436));
}

}  // namespace

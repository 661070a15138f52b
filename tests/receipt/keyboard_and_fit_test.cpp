// The receipt window by keyboard and wheel, and texts and controls that stay whole inside it.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <tuple>
#include <vector>

#include "receipt_layout.h"
#include "receipt_reader.h"
#include "window_fixture.h"

namespace recibo::receipt::testing {
namespace {

struct KeyCase {
    const char *rule;
    Qt::Key key;
    int expected;  // scroll value after the key, from the design top (100); -1 for the end of the range
};

void PrintTo(const KeyCase &c, std::ostream *os) { *os << c.rule; }

class ScrollKeys : public ReceiptWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ScrollKeys, MoveTheReceiptWhereverTheFocusIsNotEditing)
{
    showLargestInDesignSize();
    auto *movedor = find<QScrollBar>("movedor");
    for (const char *focus : {"Volver", "Salir", "sosten"}) {
        movedor->setValue(kScrollStart);
        find(focus)->setFocus();
        QTest::keyClick(find(focus), GetParam().key);
        const int expected = GetParam().expected < 0 ? movedor->maximum() : GetParam().expected;
        EXPECT_EQ(movedor->value(), expected) << focus;
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, ScrollKeys,
                         ::testing::Values(KeyCase{"down a line", Qt::Key_Down, 100 + kSmallChange},
                                           KeyCase{"up a line", Qt::Key_Up, 100 - kSmallChange},
                                           KeyCase{"down a page", Qt::Key_PageDown, 100 + kLargeChange},
                                           KeyCase{"up a page stops at the top", Qt::Key_PageUp, 0},
                                           KeyCase{"to the end", Qt::Key_End, -1}));

enum class ScrollAfter { Top, Higher, Kept, Lower, End };

struct LineKeyCase {
    const char *rule;
    std::vector<Qt::Key> keys;
    bool fromEnd;  // the receipt scrolled to its end first, the first line still current
    int line;      // the current line after the keys; -1 the last, -2 any below the first
    ScrollAfter scroll;
};

void PrintTo(const LineKeyCase &c, std::ostream *os) { *os << c.rule; }

std::vector<Qt::Key> times(int count, Qt::Key key) { return std::vector<Qt::Key>(static_cast<std::size_t>(count), key); }

// The 26-row receipt in windows shorter than it: the design height, and a shorter one that still
// shows the date box at the bottom right (a shorter window hides that box; nothing scrolls it).
constexpr int kShortWindowHeight = 540;

class LineKeys : public ReceiptWindowTest, public ::testing::WithParamInterface<std::tuple<LineKeyCase, int>> {};

TEST_P(LineKeys, KeepTheCurrentLineInSightAndMoveAPageOfWhatTheWindowShows)
{
    const auto &[c, height] = GetParam();
    window->showReceipt(samples::largestReceipt());
    window->resize(window->width(), height);  // as the teacher sized it
    auto *lines = qobject_cast<ReceiptReader *>(find("recibo"));
    auto *movedor = find<QScrollBar>("movedor");
    ASSERT_GT(movedor->maximum(), kScrollStart) << "the receipt must be taller than the window";
    if (c.fromEnd) {
        movedor->setValue(movedor->maximum());
    }
    const int before = movedor->value();
    for (const Qt::Key key : c.keys) {
        QTest::keyClick(lines, key);
        EXPECT_TRUE(lines->rect().contains(lines->lineRect(lines->current())))
            << "line " << lines->current() << " out of sight at scroll " << movedor->value();
    }
    const int expectedLine = c.line == -1 ? lines->lineCount() - 1 : c.line;
    if (c.line == -2) {
        EXPECT_GT(lines->current(), 0);
    } else {
        EXPECT_EQ(lines->current(), expectedLine);
    }
    switch (c.scroll) {
    case ScrollAfter::Top: EXPECT_EQ(movedor->value(), kScrollStart); break;
    case ScrollAfter::Higher: EXPECT_LT(movedor->value(), before); break;
    case ScrollAfter::Kept: EXPECT_EQ(movedor->value(), before); break;
    case ScrollAfter::Lower: EXPECT_GT(movedor->value(), before); break;
    case ScrollAfter::End: EXPECT_EQ(movedor->value(), movedor->maximum()); break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    LargestReceipt, LineKeys,
    ::testing::Combine(
        ::testing::Values(
            LineKeyCase{"page down moves the receipt a page", {Qt::Key_PageDown}, false, -2, ScrollAfter::Lower},
            LineKeyCase{"four pages down reach the end", times(4, Qt::Key_PageDown), false, -1, ScrollAfter::End},
            LineKeyCase{"end shows the end of the receipt", {Qt::Key_End}, false, -1, ScrollAfter::End},
            LineKeyCase{"page up from the end comes back", {Qt::Key_End, Qt::Key_PageUp}, false, -2,
                        ScrollAfter::Top},
            LineKeyCase{"home shows the top", {Qt::Key_Home}, true, 0, ScrollAfter::Top},
            LineKeyCase{"twenty lines down stay within the first view", times(20, Qt::Key_Down), false, 20,
                        ScrollAfter::Kept},
            LineKeyCase{"down to the net pay scrolls it into view", times(31, Qt::Key_Down), false, 31,
                        ScrollAfter::Lower},
            LineKeyCase{"up at the first line brings it back into view", {Qt::Key_Up}, true, 0, ScrollAfter::Higher}),
        ::testing::Values(kShortWindowHeight, ui::px(kClientHeight))));

TEST_F(ReceiptWindowTest, TheWheelOverTheWindowScrollsTheReceipt)
{
    // A wheel turn over a cell that does not take it reaches the window, as the system delivers it.
    showLargestInDesignSize();
    auto *movedor = find<QScrollBar>("movedor");
    const QPointF at = QPointF(inWindow(label(slot("Label19", 3))).center());
    QWheelEvent down(at, window->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.get(), &down);
    EXPECT_GT(movedor->value(), kScrollStart);
}

TEST_F(ReceiptWindowTest, EscDoesWhatVolverDoes)
{
    int calls = 0;
    window->setVolverHandler([&] { ++calls; });
    window->showReceipt(samples::firstRows(3));
    QTest::keyClick(find("Volver"), Qt::Key_Escape);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ReceiptWindowTest, TabLeavesTheCommentWithoutTypingATab)
{
    window->showReceipt(samples::firstRows(3));
    auto *comment = find<QPlainTextEdit>("Text12");
    comment->setFocus();
    QTest::keyClicks(comment, QStringLiteral("hola"));
    QTest::keyClick(comment, Qt::Key_Tab);
    EXPECT_EQ(comment->toPlainText(), QStringLiteral("hola"));
    EXPECT_EQ(window->focusWidget(), find("Volver"));
}

struct RangeCase {
    const char *rule;
    std::size_t rows;
};

void PrintTo(const RangeCase &c, std::ostream *os) { *os << c.rule; }

class ScrollRange : public ReceiptWindowTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(ScrollRange, EndsWithTheLastTotalsRuleInViewAndNoBlankBelowIt)
{
    window->resize(window->width(), window->minimumHeight());
    window->showReceipt(samples::firstRows(GetParam().rows));
    auto *movedor = find<QScrollBar>("movedor");
    movedor->setValue(movedor->maximum());
    const QRect lastRule = inWindow(line("Line17"));
    EXPECT_LE(lastRule.bottom(), window->rect().bottom());
    // Either the whole receipt fits and it does not scroll, or it stops just below the last rule.
    const int blank = window->rect().bottom() - lastRule.bottom();
    EXPECT_TRUE(movedor->maximum() == kScrollStart || blank <= ui::px(kBottomMargin) + 1) << blank;
}

INSTANTIATE_TEST_SUITE_P(Receipts, ScrollRange,
                         ::testing::Values(RangeCase{"three rows", 3}, RangeCase{"ten rows", 10},
                                           RangeCase{"the largest receipt", samples::kLargestItems.size()}));

struct ShowingCase {
    const char *rule;
    std::size_t rows;
    int teacherHeight;  // the height the teacher gave the window after the first showing; 0: none
};

void PrintTo(const ShowingCase &c, std::ostream *os) { *os << c.rule; }

class Showings : public ReceiptWindowTest, public ::testing::WithParamInterface<ShowingCase> {};

TEST_P(Showings, ShowTheWholeReceiptWhereTheScreenHasRoomAndKeepTheTeachersSize)
{
    const ShowingCase &c = GetParam();
    const QRect room = window->screen()->availableGeometry();
    window->showReceipt(samples::firstRows(c.rows));
    if (c.teacherHeight > 0) {
        window->resize(window->width(), c.teacherHeight);
        QTest::keyClick(window.get(), Qt::Key_Escape);  // Volver
        window->showReceipt(samples::largestReceipt());
        EXPECT_EQ(window->height(), c.teacherHeight);
        return;
    }
    EXPECT_TRUE(room.contains(window->frameGeometry())) << "past the screen's free area";
    EXPECT_GE(window->height(), ui::px(kClientHeight));
    const bool wholeReceipt = inWindow(line("Line17")).bottom() <= window->rect().bottom();
    const bool allTheRoom = window->frameGeometry().height() == room.height();
    EXPECT_TRUE(wholeReceipt || allTheRoom) << window->height();
    EXPECT_EQ(find<QScrollBar>("movedor")->maximum() == kScrollStart, wholeReceipt);
}

// On the offscreen screen (800 pixels high) every receipt fits; a smaller screen trims the window as
// fitOnScreen does, tested with it.
INSTANTIATE_TEST_SUITE_P(Receipts, Showings,
                         ::testing::Values(ShowingCase{"three rows in the design height", 3, 0},
                                           ShowingCase{"nineteen rows in a taller window", 19, 0},
                                           ShowingCase{"the largest receipt in the screen's height", 26, 0},
                                           ShowingCase{"the teacher's height kept", 26, 500}));

TEST_F(ReceiptWindowTest, AtItsMinimumSizeTheButtonsAndTheScrollBarStayInside)
{
    window->show();
    window->resize(1, 1);
    for (const char *name : {"Volver", "Imprimir", "Salir", "movedor"}) {
        EXPECT_TRUE(window->rect().contains(inWindow(find(name)))) << name;
    }
}

struct NameCase {
    const char *rule;
    const char *label;
    const char *text;
    int rightLimit;  // twips in the label's parent
};

void PrintTo(const NameCase &c, std::ostream *os) { *os << c.rule; }

class LongNames : public ReceiptWindowTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(LongNames, AreShownWholeInsideTheirPlace)
{
    const NameCase &c = GetParam();
    Receipt receipt = samples::receiptOf({0, 1}, "Fernández de la Torre Echeverría, María Guadalupe Alejandra");
    receipt.header.carsel = "Preceptor Ayudante Intern. 1era Cat. Con P. De Jorn. (Pasó A 684)";
    window->showReceipt(receipt);
    QLabel *name = label(QString::fromLatin1(c.label));
    EXPECT_LE(name->geometry().right(), ui::px(c.rightLimit));
    const QRect needed = name->fontMetrics().boundingRect(QRect(QPoint(), name->size()),
                                                         Qt::TextWordWrap | name->alignment(), name->text());
    EXPECT_LE(needed.width(), name->width());
    EXPECT_LE(needed.height(), name->height());
}

INSTANTIATE_TEST_SUITE_P(Names, LongNames,
                         ::testing::Values(NameCase{"teacher's name, 60 characters", "docente", "", kRulesRight},
                                           NameCase{"position 682, the longest name", "carsel", "",
                                                    kMovedorLeft}));

TEST_F(ReceiptWindowTest, AnAmountTooWideForItsColumnTakesSmallerTypeInsideTheRules)
{
    Receipt receipt = samples::firstRows(2);
    receipt.rows[1].amount = "$ 123456789012.3456";
    receipt.totals.liquido = "$ -123456789012.3456";
    window->showReceipt(receipt);
    const QLabel *amount = label(slot("Label1", 1));
    const QLabel *net = label(QStringLiteral("liquido"));
    EXPECT_GE(amount->x(), ui::px(kLine2X));
    EXPECT_GE(net->x(), ui::px(kLine1X));
    for (const QLabel *cell : {amount, net}) {
        EXPECT_LE(cell->fontMetrics().horizontalAdvance(cell->text()), cell->width()) << cell->objectName().toStdString();
    }
}

}  // namespace
}  // namespace recibo::receipt::testing

// The receipt window: its controls, showing a receipt, the totals layout, scrolling, resizing,
// Volver and Salir, driven by objectName on the offscreen platform.
#include <QDateTime>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <ostream>

#include "receipt_reader.h"
#include "window_fixture.h"

namespace recibo::receipt::testing {
namespace {

using ui::px;

QString nameOf(std::string_view text) { return qs(text); }

// ---- the window and its controls ----------------------------------------------------------

TEST_F(ReceiptWindowTest, WindowHasItsCaptionClientAreaColourAndFont)
{
    EXPECT_EQ(window->objectName(), "Haberes");
    EXPECT_EQ(window->windowTitle(), "Haberes");
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->size(), QSize(px(11880), px(8595)));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0x00, 0xC0, 0xC0));
    EXPECT_DOUBLE_EQ(window->font().pointSizeF(), 9.75);
    EXPECT_EQ(QFontInfo(window->font()).family(), "Liberation Sans");
}

TEST_F(ReceiptWindowTest, AWindowGivenAParentIsStillItsOwnWindow)
{
    QWidget owner;
    HaberesWindow child(&owner);
    EXPECT_TRUE(child.isWindow());
}

TEST_F(ReceiptWindowTest, EveryControlCarriesItsNameOnce)
{
    QStringList names = {"sosten", "Label18", "docente", "Line1", "Line2", "Line3(0)", "Line3(1)",
                         "Line4", "Line5", "Line6", "Line7", "Line15", "Line16", "Line17",
                         "Label15", "Label16", "Label17", "thaberes", "tdescuentos", "liquido",
                         "carsel", "Label11", "numcargo", "Label12", "punbasicos", "Label2",
                         "compbas", "Label14", "proljor", "Label20", "jorcom", "Label21", "tardif",
                         "Volver", "Imprimir", "Salir", "movedor"};
    for (int i = 1; i <= 12; ++i) {
        names << QStringLiteral("Text%1").arg(i);
    }
    for (std::size_t i = 0; i < kRowSlots; ++i) {
        names << slot("cod", i) << slot("Label10", i) << slot("Label19", i) << slot("Line8", i)
              << slot("Label1", i) << slot("Label1", i + kRowSlots);
    }
    for (const QString &name : names) {
        EXPECT_EQ(window->findChildren<QWidget *>(name).size(), 1) << name.toStdString();
    }
    EXPECT_TRUE(window->findChildren<QWidget *>(slot("Label1", 2 * kRowSlots)).isEmpty());
}

struct DesignText {
    const char *name;
    const char *text;
};

TEST_F(ReceiptWindowTest, FixedTextsAreExact)
{
    const DesignText labels[] = {
        {"Label18", "Recibo de sueldos de:"}, {"Label15", "Total Haberes"},
        {"Label16", "Total descuentos"},      {"Label17", "Liquido a pagar"},
        {"Label12", "Puntaje"},               {"Label2", "Ptos. Comp Básico"},
        {"Label14", "Prol jorn"},             {"Label20", "Jorn Comp"},
        {"Label21", "Tarea dif"},
    };
    for (const DesignText &expected : labels) {
        ASSERT_NE(label(expected.name), nullptr);
        EXPECT_EQ(label(expected.name)->text(), QString::fromUtf8(expected.text)) << expected.name;
    }
    const DesignText boxes[] = {
        {"Text11", "Poné tu comentario"}, {"Text1", "Se imprime en blanco y negro"},
        {"Text2", "TOVIL"}, {"Text3", "TOVIL"}, {"Text4", "TOVIL"}, {"Text5", "TOVIL"},
        {"Text6", "TOVIL"}, {"Text7", "TOVIL"}, {"Text8", "TOVIL"}, {"Text9", "TOVIL"},
        {"Text10", ""},
    };
    for (const DesignText &expected : boxes) {
        ASSERT_NE(find<QLineEdit>(expected.name), nullptr);
        EXPECT_EQ(find<QLineEdit>(expected.name)->text(), QString::fromUtf8(expected.text)) << expected.name;
    }
    EXPECT_EQ(find<QGroupBox>("sosten")->title(), "Recibo de haberes");
    EXPECT_TRUE(find<QPlainTextEdit>("Text12")->toPlainText().isEmpty());
}

struct ButtonCase {
    const char *name;
    const char *toolTip;
    unsigned colour;
    int top;
};

TEST_F(ReceiptWindowTest, ButtonsAreBoldWithTheirColoursTipsAndPlaces)
{
    const ButtonCase cases[] = {
        {"Volver", "Permite cambiar los datos ingresados", 0x00FFFFC0, 4920},
        {"Imprimir", "Se imprime con fondo blanco.", 0x00FFFF80, 5640},
        {"Salir", "", 0x00FFFF00, 6360},
    };
    for (const ButtonCase &c : cases) {
        auto *button = find<QPushButton>(c.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), c.name);
        EXPECT_TRUE(button->font().bold()) << c.name;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(c.toolTip)) << c.name;
        EXPECT_EQ(button->palette().color(QPalette::Button), ui::colorOf(c.colour)) << c.name;
        EXPECT_EQ(button->geometry(), ui::rectOf(9840, c.top, 1335, 495)) << c.name;
    }
}

struct PlaceCase {
    const char *name;
    int left, top, width, height;
};

TEST_F(ReceiptWindowTest, ControlsStandAtTheirDesignPlaces)
{
    const PlaceCase cases[] = {
        {"sosten", 840, 0, 6840, 12000},      {"Label18", 525, 210, 2295, 375},
        {"cod(0)", 510, 735, 495, 300},       {"cod(26)", 510, 735 + 315 * 26, 495, 300},
        {"Label10(3)", 1140, 735 + 945, 495, 300}, {"Label19(5)", 1770, 735 + 1575, 2355, 300},
        {"Label11", 7665, 840, 1890, 300},    {"numcargo", 7920, 1200, 1275, 360},
        {"punbasicos", 7920, 2040, 1275, 360}, {"compbas", 7920, 2880, 1275, 360},
        {"proljor", 7980, 3885, 1275, 360},   {"jorcom", 7980, 4935, 1275, 360},
        {"tardif", 7980, 5985, 1275, 360},    {"Text11", 9720, 1200, 1695, 375},
        {"Text12", 9720, 1680, 1695, 3015},   {"Text1", 8760, 7200, 2415, 285},
        {"Text10", 8760, 7680, 2415, 375},    {"Text3", 120, 360, 615, 255},
        {"Text2", 120, 840, 615, 255},        {"Text8", 120, 3720, 615, 255},
    };
    for (const PlaceCase &c : cases) {
        QWidget *widget = find(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), ui::rectOf(c.left, c.top, c.width, c.height)) << c.name;
    }
}

TEST_F(ReceiptWindowTest, TovilColumnIsHiddenAndShadedFromLightToDarkTopDown)
{
    // Top to bottom: Text3, Text2, Text5, Text4, Text7, Text9, Text6, Text8.
    const std::pair<const char *, unsigned> cases[] = {
        {"Text3", 0x00E0E0E0}, {"Text2", 0x00C0C0C0}, {"Text5", 0x00808080}, {"Text4", 0x00404040},
        {"Text7", 0x00E0E0E0}, {"Text9", 0x00C0C0C0}, {"Text6", 0x00808080}, {"Text8", 0x00404040},
    };
    int previousTop = -1;
    for (const auto &[name, colour] : cases) {
        auto *box = find<QLineEdit>(name);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isHidden()) << name;
        EXPECT_EQ(box->palette().color(QPalette::Text), ui::colorOf(colour)) << name;
        EXPECT_GT(box->y(), previousTop) << name;
        previousTop = box->y();
    }
}

TEST_F(ReceiptWindowTest, DesignRulesStandWhereDrawnUntilTheFirstReceipt)
{
    struct RuleCase {
        const char *name;
        int x1, y1, x2, y2;
    };
    const RuleCase cases[] = {
        {"Line3(1)", 300, 735, 300, 7365}, {"Line7", 1035, 735, 1035, 7365},
        {"Line5", 1665, 720, 1665, 7350},  {"Line2", 4185, 735, 4185, 7365},
        {"Line1", 5340, 720, 5340, 7350},  {"Line3(0)", 6570, 735, 6570, 7365},
        {"Line4", 300, 735, 6570, 735},    {"Line6", 300, 7770, 6570, 7770},
        {"Line15", 300, 8190, 6570, 8190}, {"Line16", 300, 8400, 6570, 8400},
        {"Line17", 300, 8520, 6570, 8520}, {"Line8(0)", 300, 1050, 6570, 1050},
        {"Line8(26)", 300, 1050 + 315 * 26, 6570, 1050 + 315 * 26},
    };
    for (const RuleCase &c : cases) {
        RuleLine *rule = line(c.name);
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(rule->property("x1").toInt(), c.x1) << c.name;
        EXPECT_EQ(rule->property("y1").toInt(), c.y1) << c.name;
        EXPECT_EQ(rule->property("x2").toInt(), c.x2) << c.name;
        EXPECT_EQ(rule->property("y2").toInt(), c.y2) << c.name;
    }
    EXPECT_EQ(line("Line6")->borderWidth(), 3);
    // A vertical rule covers its x from Y1 to Y2.
    EXPECT_EQ(line("Line2")->geometry(), QRect(px(4185), px(735), 1, px(7365) - px(735) + 1));
}

// ---- showing a receipt ----------------------------------------------------------------------

TEST_F(ReceiptWindowTest, RowsArePackedFromSlotZeroWithTheirCells)
{
    // Position base, one supplement, two common items, then two deductions.
    const Receipt receipt = samples::receiptOf({0, 4, 5, 7, 19, 22});
    window->showReceipt(receipt);

    for (std::size_t i = 0; i < receipt.rowCount; ++i) {
        const ReceiptRow &row = receipt.rows[i];
        SCOPED_TRACE(i);
        EXPECT_TRUE(label(slot("cod", i))->isVisible());
        EXPECT_EQ(label(slot("cod", i))->text(), nameOf(row.code));
        EXPECT_TRUE(label(slot("Label19", i))->isVisible());
        EXPECT_EQ(label(slot("Label19", i))->text(), nameOf(row.description));
        EXPECT_TRUE(line(slot("Line8", i))->isVisible());
        QLabel *middle = label(slot("Label10", i));
        EXPECT_EQ(middle->isVisible(), row.middle.has_value());
        if (row.middle) {
            EXPECT_EQ(middle->text(), QString::fromStdString(*row.middle));
        }
        const bool earnings = row.column == AmountColumn::Earnings;
        QLabel *amount = label(slot("Label1", earnings ? i : i + kRowSlots));
        QLabel *other = label(slot("Label1", earnings ? i + kRowSlots : i));
        EXPECT_TRUE(amount->isVisible());
        EXPECT_FALSE(other->isVisible());
        EXPECT_EQ(amount->text(), QString::fromStdString(row.amount));
        EXPECT_TRUE(amount->alignment() & Qt::AlignRight);
        EXPECT_EQ(amount->geometry().right() + 1, px(earnings ? 5250 : 6450));
        EXPECT_GE(amount->width(), amount->fontMetrics().horizontalAdvance(amount->text()));
        EXPECT_EQ(amount->y(), px(735 + 315 * static_cast<int>(i)));
    }
    for (std::size_t i = receipt.rowCount; i < kRowSlots; ++i) {
        EXPECT_FALSE(label(slot("cod", i))->isVisible()) << i;
    }
}

TEST_F(ReceiptWindowTest, DeductionAmountsLandInTheSecondHalfOfLabel1)
{
    // The seven deductions alone: slots 0..6, amounts in Label1(27)..Label1(33).
    const Receipt receipt = samples::receiptOf({19, 20, 21, 22, 23, 24, 25});
    window->showReceipt(receipt);
    for (std::size_t i = 0; i < receipt.rowCount; ++i) {
        EXPECT_TRUE(label(slot("Label1", kRowSlots + i))->isVisible()) << i;
        EXPECT_EQ(label(slot("Label1", kRowSlots + i))->text(), QString::fromStdString(receipt.rows[i].amount));
        EXPECT_FALSE(label(slot("Label1", i))->isVisible()) << i;
    }
}

TEST_F(ReceiptWindowTest, AnEarlierLongerReceiptLeavesNoTrace)
{
    window->showReceipt(samples::largestReceipt());
    for (std::size_t i = 0; i < 26; ++i) {
        ASSERT_TRUE(label(slot("cod", i))->isVisible()) << i;
    }
    // Slot 1 had no middle cell and slot 5 had one; now slot 1 has one and slot 5 is not written.
    const Receipt shorter = samples::receiptOf({19, 5, 21});
    window->showReceipt(shorter);
    EXPECT_TRUE(label(slot("Label10", 1))->isVisible());
    EXPECT_EQ(label(slot("Label10", 1))->text(), "120 %");
    EXPECT_FALSE(label(slot("Label1", 0))->isVisible());  // slot 0 became a deduction
    EXPECT_TRUE(label(slot("Label1", kRowSlots))->isVisible());
    for (std::size_t i = shorter.rowCount; i < kRowSlots; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(label(slot("cod", i))->isVisible());
        EXPECT_FALSE(label(slot("Label10", i))->isVisible());
        EXPECT_FALSE(label(slot("Label19", i))->isVisible());
        EXPECT_FALSE(label(slot("Label1", i))->isVisible());
        EXPECT_FALSE(label(slot("Label1", i + kRowSlots))->isVisible());
        EXPECT_FALSE(line(slot("Line8", i))->isVisible());
    }
}

// The placeholders the preparation draws leave no trace a screen reader could find.
TEST_F(ReceiptWindowTest, PreparingKeepsNamesAndLeavesNothingToRead)
{
    const QString codeName = find<QLineEdit>("numcargo")->accessibleName();
    window->prepare();
    EXPECT_EQ(find<QLineEdit>("numcargo")->accessibleName(), codeName);
    EXPECT_EQ(find<ReceiptReader>("recibo")->lineCount(), 0);
}

// The preparation at idle fills placeholders; when a receipt was shown first, it must stay.
TEST_F(ReceiptWindowTest, PreparingAfterAReceiptWasShownKeepsTheReceipt)
{
    const Receipt shorter = samples::receiptOf({19, 5, 21});
    window->showReceipt(shorter);
    window->prepare();
    for (std::size_t i = 0; i < kRowSlots; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(label(slot("cod", i))->isVisible(), i < shorter.rowCount);
    }
    EXPECT_EQ(label(slot("cod", 0))->text(), nameOf(shorter.rows[0].code));
    EXPECT_EQ(label("thaberes")->text(), QString::fromStdString(shorter.totals.thaberes));
}

TEST_F(ReceiptWindowTest, NoCellOfTheLargestReceiptIsClippedOrCrossesARule)
{
    const Receipt receipt = samples::largestReceipt();
    window->showReceipt(receipt);
    const int line5 = line("Line5")->x();
    const int line2 = line("Line2")->x();
    const int line1 = line("Line1")->x();
    const int border = line("Line3(0)")->x();
    const auto fits = [](QLabel *cell) {
        return cell->fontMetrics().horizontalAdvance(cell->text()) <= cell->width();
    };
    for (std::size_t i = 0; i < receipt.rowCount; ++i) {
        SCOPED_TRACE(i);
        QLabel *description = label(slot("Label19", i));
        EXPECT_TRUE(fits(description));
        EXPECT_LT(description->geometry().right(), line2);
        QLabel *middle = label(slot("Label10", i));
        if (middle->isVisible()) {
            EXPECT_TRUE(fits(middle));
            EXPECT_LT(middle->geometry().right(), line5);
        }
        const bool earnings = receipt.rows[i].column == AmountColumn::Earnings;
        QLabel *amount = label(slot("Label1", earnings ? i : i + kRowSlots));
        EXPECT_TRUE(fits(amount));
        EXPECT_GT(amount->x(), earnings ? line2 : line1);
        EXPECT_LT(amount->geometry().right(), earnings ? line1 : border);
    }
    EXPECT_GT(label("thaberes")->x(), line2);
    EXPECT_GT(label("tdescuentos")->x(), line1);
    EXPECT_GT(label("liquido")->x(), line1);
    for (const char *name : {"thaberes", "tdescuentos", "liquido"}) {
        EXPECT_TRUE(fits(label(name))) << name;
        EXPECT_TRUE(label(name)->font().bold()) << name;
    }
}

struct TotalsCase {
    std::size_t rows;
    // 2350, 1050, 1250, 1550, 1650, 1950, 2050 and 2350, each plus 315 per row.
    int rulesBottom, line6, haberesTop, line15, descuentosTop, line16, liquidoTop, line17;
};

void PrintTo(const TotalsCase &c, std::ostream *out) { *out << c.rows << " rows"; }

class TotalsLayoutTest : public ReceiptWindowTest, public ::testing::WithParamInterface<TotalsCase> {};

TEST_P(TotalsLayoutTest, TotalsBlockAndRuleEndsFollowTheRowCount)
{
    const TotalsCase &c = GetParam();
    window->showReceipt(samples::firstRows(c.rows));
    for (const char *name : {"Line1", "Line2", "Line3(0)", "Line3(1)", "Line5", "Line7"}) {
        EXPECT_EQ(line(name)->property("y2").toInt(), c.rulesBottom) << name;
        EXPECT_EQ(line(name)->geometry().bottom(), px(c.rulesBottom)) << name;
    }
    const std::pair<const char *, int> rules[] = {
        {"Line6", c.line6}, {"Line15", c.line15}, {"Line16", c.line16}, {"Line17", c.line17}};
    for (const auto &[name, y] : rules) {
        EXPECT_EQ(line(name)->property("y1").toInt(), y) << name;
        EXPECT_EQ(line(name)->property("y2").toInt(), y) << name;
    }
    const std::pair<const char *, int> tops[] = {
        {"thaberes", c.haberesTop},     {"Label15", c.haberesTop},  {"tdescuentos", c.descuentosTop},
        {"Label16", c.descuentosTop}, {"liquido", c.liquidoTop}, {"Label17", c.liquidoTop}};
    for (const auto &[name, top] : tops) {
        EXPECT_EQ(label(name)->y(), px(top)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(RowCounts, TotalsLayoutTest,
                         ::testing::Values(TotalsCase{10, 5500, 4200, 4400, 4700, 4800, 5100, 5200, 5500},
                                           TotalsCase{0, 2350, 1050, 1250, 1550, 1650, 1950, 2050, 2350},
                                           TotalsCase{26, 10540, 9240, 9440, 9740, 9840, 10140, 10240, 10540}));

TEST_F(ReceiptWindowTest, TotalsAreBoldAndRightAlignedOnTheirColumns)
{
    const Receipt receipt = samples::largestReceipt();
    window->showReceipt(receipt);
    const std::tuple<const char *, std::string, int> cases[] = {
        {"thaberes", receipt.totals.thaberes, 5250},
        {"tdescuentos", receipt.totals.tdescuentos, 6450},
        {"liquido", receipt.totals.liquido, 6450},
    };
    for (const auto &[name, text, right] : cases) {
        QLabel *total = label(name);
        EXPECT_EQ(total->text(), QString::fromStdString(text)) << name;
        EXPECT_TRUE(total->font().bold()) << name;
        EXPECT_TRUE(total->alignment() & Qt::AlignRight) << name;
        EXPECT_EQ(total->geometry().right() + 1, px(right)) << name;
        EXPECT_GE(total->width(), total->fontMetrics().horizontalAdvance(total->text())) << name;
        EXPECT_TRUE(total->isVisible()) << name;
    }
}

struct HeaderCase {
    const char *title;
    bool pointBoxesVisible;
};

void PrintTo(const HeaderCase &c, std::ostream *out)
{
    *out << c.title << (c.pointBoxesVisible ? ", point boxes shown" : ", point boxes hidden");
}

class HeaderTest : public ReceiptWindowTest, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderTest, HeaderFieldsAndPointBoxesFollowTheCategory)
{
    Receipt receipt = samples::firstRows(3);
    receipt.header = ReceiptHeader{GetParam().title, "734", "1500", "Asistente Social",
                                   GetParam().pointBoxesVisible};
    window->showReceipt(receipt);
    EXPECT_EQ(label("Label11")->text(), QString::fromUtf8(GetParam().title));
    EXPECT_EQ(find<QLineEdit>("numcargo")->text(), "734");
    EXPECT_EQ(find<QLineEdit>("punbasicos")->text(), "1500");
    EXPECT_EQ(label("carsel")->text(), "Asistente Social");
    EXPECT_TRUE(label("Label12")->isVisible());
    for (const char *name : {"Label14", "Label20", "Label21", "Label2", "proljor", "jorcom", "tardif", "compbas"}) {
        EXPECT_EQ(find(name)->isVisible(), GetParam().pointBoxesVisible) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Categories, HeaderTest,
                         ::testing::Values(HeaderCase{"Código del cargo", true},
                                           HeaderCase{"Cantidad de horas", false}));

TEST_F(ReceiptWindowTest, PointBoxesHiddenByAnHoursReceiptComeBackWithAPosition)
{
    window->showReceipt(samples::hoursReceipt());
    EXPECT_FALSE(find("proljor")->isVisible());
    window->showReceipt(samples::firstRows(5));
    EXPECT_TRUE(find("proljor")->isVisible());
}

TEST_F(ReceiptWindowTest, TheNameIsShownExactlyAsTyped)
{
    for (const std::string name : {"  Ana  María Pérez ", "", "O'Brien <y> & Cía"}) {
        window->showReceipt(samples::receiptOf({0}, name));
        EXPECT_EQ(label("docente")->text(), QString::fromStdString(name));
        EXPECT_GE(label("docente")->width(), label("docente")->fontMetrics().horizontalAdvance(label("docente")->text()));
    }
}

TEST_F(ReceiptWindowTest, DateAndTimeInTheLocaleShortForm)
{
    const QString before = QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    window->showReceipt(samples::firstRows(2));
    const QString after = QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    const QString shown = find<QLineEdit>("Text10")->text();
    EXPECT_TRUE(shown == before || shown == after) << shown.toStdString();
    // The short form carries the date and then the time.
    EXPECT_TRUE(QLocale().toDateTime(shown, QLocale::ShortFormat).isValid()) << shown.toStdString();
}

TEST_F(ReceiptWindowTest, PositionBoxesReceiveWhatListoWrites)
{
    window->setPositionBoxes(PositionBoxes{"734", "1500", "0", "0", "150", "101"});
    const std::pair<const char *, const char *> cases[] = {
        {"numcargo", "734"}, {"punbasicos", "1500"}, {"proljor", "0"},
        {"jorcom", "0"},     {"tardif", "150"},      {"compbas", "101"}};
    for (const auto &[name, text] : cases) {
        EXPECT_EQ(find<QLineEdit>(name)->text(), text) << name;
    }
}

TEST_F(ReceiptWindowTest, ShowingMakesTheOneWindowVisibleEnabledAndModeless)
{
    window->setEnabled(false);
    window->showReceipt(samples::firstRows(4));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(window->isModal());
    window->showReceipt(samples::firstRows(8));
    int receipts = 0;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        receipts += top->objectName() == "Haberes" ? 1 : 0;
    }
    EXPECT_EQ(receipts, 1);
    EXPECT_EQ(label(slot("cod", 7))->text(), "006");
}

// ---- scrolling and resizing -----------------------------------------------------------------

TEST_F(ReceiptWindowTest, ScrollingMovesTheFrameAndOnlyEverGrowsIt)
{
    showLargestInDesignSize();
    auto *movedor = find<QScrollBar>("movedor");
    QWidget *sosten = find("sosten");
    EXPECT_EQ(movedor->value(), 100);
    EXPECT_EQ(sosten->y(), 0);
    EXPECT_EQ(sosten->height(), px(12000));

    movedor->setValue(600);  // top 100 - 600, height 12000 + 600
    EXPECT_EQ(sosten->y(), px(-500));
    EXPECT_EQ(sosten->height(), px(12600));
    movedor->setValue(100);  // back at the design top, taller by another 100
    EXPECT_EQ(sosten->y(), 0);
    EXPECT_EQ(sosten->height(), px(12700));
    movedor->setValue(0);  // no change of height, 100 twips lower
    EXPECT_EQ(sosten->y(), px(100));
    EXPECT_EQ(sosten->height(), px(12700));
    EXPECT_EQ(sosten->x(), px(840));
}

TEST_F(ReceiptWindowTest, TheFramesGrowthIsBounded)
{
    showLargestInDesignSize();
    auto *movedor = find<QScrollBar>("movedor");
    for (int i = 0; i < 40; ++i) {
        movedor->setValue(i % 2 == 0 ? movedor->maximum() : movedor->minimum() + 1);
    }
    EXPECT_EQ(find("sosten")->height(), px(32767));
}

TEST_F(ReceiptWindowTest, ScrollExtremesShowTheFirstRowAndTheLargestTotals)
{
    showLargestInDesignSize();
    auto *movedor = find<QScrollBar>("movedor");
    const QRect client = window->rect();

    movedor->setValue(movedor->minimum());
    EXPECT_TRUE(client.contains(inWindow(label("cod(0)"))));
    EXPECT_TRUE(client.contains(inWindow(label("docente"))));
    EXPECT_FALSE(client.contains(inWindow(line("Line17"))));

    movedor->setValue(movedor->maximum());
    for (const char *name : {"Line17", "Line8(25)", "Line3(0)"}) {
        const QRect place = inWindow(find(name));
        EXPECT_LE(place.bottom(), client.bottom()) << name;
    }
    for (const char *name : {"liquido", "Label17", "thaberes", "tdescuentos", "cod(25)"}) {
        EXPECT_TRUE(client.contains(inWindow(find(name)))) << name;
    }
    // And the rule is really painted there: a black pixel on Line17 inside the window's picture.
    const QImage picture = window->grab().toImage();
    const QRect rule = inWindow(line("Line17"));
    const QPoint probe(rule.center().x(), rule.top());
    const qreal ratio = picture.devicePixelRatio();
    EXPECT_EQ(picture.pixelColor(QPoint(qRound(probe.x() * ratio), qRound(probe.y() * ratio))), QColor(Qt::black));
}

TEST_F(ReceiptWindowTest, ScrollBarHeightFollowsTheWindowHeight)
{
    window->show();
    auto *movedor = find<QScrollBar>("movedor");
    const auto outerTwips = [&] { return window->frameGeometry().height() * ui::kTwipsPerPixel; };
    EXPECT_EQ(movedor->height(), px(outerTwips() - 400));
    EXPECT_EQ(movedor->geometry().topLeft(), ui::pointAt(11520, 0));
    EXPECT_EQ(movedor->width(), px(345));

    const int before = movedor->height();
    window->resize(window->width() + 200, window->height() + 60);
    EXPECT_EQ(movedor->geometry().topLeft(), ui::pointAt(11520, 0));  // widening leaves it in place
    EXPECT_EQ(movedor->height(), before + 60);                        // taller by the same amount

    window->resize(window->width(), 10);  // below its minimum the window stops, the bar stays inside
    EXPECT_EQ(window->height(), window->minimumHeight());
    EXPECT_LE(movedor->geometry().bottom(), window->rect().bottom());
}

TEST_F(ReceiptWindowTest, AShortWindowStillReachesTheLargestTotals)
{
    window->resize(window->width(), px(4000));
    window->showReceipt(samples::largestReceipt());
    auto *movedor = find<QScrollBar>("movedor");
    movedor->setValue(movedor->maximum());
    EXPECT_LE(inWindow(line("Line17")).bottom(), window->rect().bottom());
    EXPECT_GE(inWindow(line("Line17")).top(), 0);
}

// ---- Volver and Salir -----------------------------------------------------------------------

TEST_F(ReceiptWindowTest, VolverDisablesHidesAndThenHandsBack)
{
    int calls = 0;
    bool hiddenAtCall = false;
    bool disabledAtCall = false;
    window->setVolverHandler([&] {
        ++calls;
        hiddenAtCall = !window->isVisible();
        disabledAtCall = !window->isEnabled();
    });
    window->showReceipt(samples::firstRows(5));
    find<QPlainTextEdit>("Text12")->setPlainText("Revisar el código 052");
    QTest::mouseClick(find<QPushButton>("Volver"), Qt::LeftButton);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(hiddenAtCall);
    EXPECT_TRUE(disabledAtCall);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isEnabled());

    // The next receipt brings the same window back with its comment kept.
    window->showReceipt(samples::firstRows(2));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(find<QPlainTextEdit>("Text12")->toPlainText(), "Revisar el código 052");
}

TEST_F(ReceiptWindowTest, VolverWithoutAHandlerOnlyHides)
{
    window->showReceipt(samples::firstRows(1));
    QTest::mouseClick(find<QPushButton>("Volver"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ReceiptWindowTest, SalirEndsTheEventLoopAtOnce)
{
    window->showReceipt(samples::firstRows(3));
    QTimer::singleShot(0, window.get(), [this] { QTest::mouseClick(find<QPushButton>("Salir"), Qt::LeftButton); });
    // If Salir did nothing, this ends the loop with another code instead of hanging.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

}  // namespace
}  // namespace recibo::receipt::testing

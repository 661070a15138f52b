// The receipt as a screen reader reads it: one line per header part, row, total and the date, each
// a sentence with its amount exactly as shown and its working as description; the keys that move
// through the lines keep the current one in view.
#include <QAccessible>
#include <QScrollBar>
#include <QTest>

#include <fstream>
#include <memory>

#include "builtin_period.h"
#include "case_json.h"
#include "receipt_layout.h"
#include "receipt_reader.h"
#include "window_fixture.h"
#include "working.h"

namespace recibo::receipt::testing {
namespace {

class ReaderTest : public ReceiptWindowTest {
protected:
    // A golden case shown as "Calcular" shows it: with the working, after "Listo" filled the boxes.
    void showCase(const char *name)
    {
        std::ifstream file(std::string(RECIBO_CASES_DIR) + "/" + name);
        const cases::CaseInput input = cases::inputFromJson(nlohmann::ordered_json::parse(file).at("input"), builtInPeriod());
        working = std::make_unique<ReceiptWorking>();
        const Outcome outcome = compute(input.snapshot, builtInPeriod(), input.decimalSeparator, *working);
        ASSERT_TRUE(std::holds_alternative<Receipt>(outcome));
        const Snapshot &s = input.snapshot;
        window->setPositionBoxes({s.codigocargo, s.punbas, s.proljor, s.jorcom, s.tardif, s.compbas});
        window->showReceipt(std::get<Receipt>(outcome), *working);
    }
    QAccessibleInterface *reader() { return QAccessible::queryAccessibleInterface(find("recibo")); }
    QStringList sentences()
    {
        QStringList lines;
        for (int i = 0; i < reader()->childCount(); ++i) {
            lines << reader()->child(i)->text(QAccessible::Name);
        }
        return lines;
    }

    std::unique_ptr<ReceiptWorking> working;
};

TEST_F(ReaderTest, ReadsEveryLineOfAGoldenReceiptAsOneSentence)
{
    showCase("position_734_rows_001_002_016.json");
    EXPECT_EQ(reader()->role(), QAccessible::List);
    QStringList lines = sentences();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.takeLast().startsWith(QStringLiteral("Fecha y hora, ")));
    EXPECT_EQ(lines, (QStringList{
                         "Recibo de sueldos de: Pérez, Ana",
                         "Código del cargo 734, Asistente Social, Puntaje 1500",
                         "Ptos. Comp Básico 101, Prol jorn 0, Jorn Comp 0, Tarea dif 150",
                         "001, 1, Asign. de la categoría, haberes, $885",
                         "002, Comp. de Básico, haberes, $ 59.59",
                         "016, Tarea diferenciada, haberes, $ 88.5",
                         "010, 30 %, Antigüedad, haberes, $ 309.927",
                         "078, 40 %, As. por zona, haberes, $ 413.236",
                         "006, Adic. Art 2 y 3 Dcrto 5863/05, haberes, $ 193",
                         "014, 0.7, Product Dcrto 5863/05, haberes, $ 13.51",
                         "084, Incentivo de Nación, haberes, $ 110",
                         "113, Negro de Nación, haberes, $ 100",
                         "188, 7.0, Plus Productividad, haberes, $ 122.9377",
                         "505, 3 %, IOSPER, descuentos, $ 62.571",
                         "Total Haberes, $ 2295.7007",
                         "Total descuentos, $ 62.571",
                         "Liquido a pagar, $ 2233.1297",
                     }));
}

TEST_F(ReaderTest, EachAmountsDescriptionIsItsWorking)
{
    showCase("position_734_rows_001_002_016.json");
    // Line 6 is row 3, item 010; its amount cell's tool tip carries the same working.
    QAccessibleInterface *seniority = reader()->child(6);
    ASSERT_TRUE(seniority->text(QAccessible::Name).startsWith(QStringLiteral("010")));
    const QString description = seniority->text(QAccessible::Description);
    EXPECT_TRUE(description.startsWith(QStringLiteral("Antigüedad 30 %"))) << description.toStdString();
    EXPECT_EQ(QString(find("Label1(3)")->toolTip()).replace(QLatin1Char('\n'), QLatin1Char(' ')), description);
    EXPECT_TRUE(reader()->child(0)->text(QAccessible::Description).isEmpty());  // the name has no amount
}

TEST_F(ReaderTest, AfterCalcularTheFocusIsOnTheFirstLine)
{
    showCase("position_734_rows_001_002_016.json");
    EXPECT_EQ(window->focusWidget(), find("recibo"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_NE(reader()->focusChild(), nullptr);
    EXPECT_EQ(reader()->focusChild()->text(QAccessible::Name), QStringLiteral("Recibo de sueldos de: Pérez, Ana"));
}

TEST_F(ReaderTest, TheKeysMoveLineByLineAndKeepTheLineInView)
{
    showCase("largest_receipt.json");
    window->resize(window->width(), ui::px(kClientHeight));  // sized by the teacher, shorter than the receipt
    auto *lines = qobject_cast<ReceiptReader *>(find("recibo"));
    lines->setFocus();
    QTest::keyClick(lines, Qt::Key_End);
    EXPECT_EQ(lines->current(), lines->lineCount() - 1);
    QTest::keyClick(lines, Qt::Key_Up);  // "Liquido a pagar", at the very end of the frame
    EXPECT_TRUE(lines->line(lines->current()).sentence.startsWith(QStringLiteral("Liquido a pagar")));
    EXPECT_TRUE(lines->rect().contains(lines->lineRect(lines->current())));
    EXPECT_GT(find<QScrollBar>("movedor")->value(), kScrollStart);
    QTest::keyClick(lines, Qt::Key_Home);
    EXPECT_EQ(lines->current(), 0);
    EXPECT_TRUE(lines->rect().contains(lines->lineRect(0)));
    QTest::keyClick(lines, Qt::Key_PageDown);
    EXPECT_GT(lines->current(), 3);
}

TEST_F(ReaderTest, ANewReceiptOnAScrolledWindowShowsItsFirstLine)
{
    showCase("largest_receipt.json");
    window->resize(window->width(), ui::px(kClientHeight));  // sized by the teacher, shorter than the receipt
    auto *lines = qobject_cast<ReceiptReader *>(find("recibo"));
    lines->setFocus();
    QTest::keyClick(lines, Qt::Key_End);
    ASSERT_GT(find<QScrollBar>("movedor")->value(), kScrollStart);
    showCase("largest_receipt.json");  // "Calcular" again: the window keeps its scroll value
    EXPECT_EQ(lines->current(), 0);
    EXPECT_TRUE(lines->rect().contains(lines->lineRect(0)));
}

}  // namespace
}  // namespace recibo::receipt::testing

// The amounts explain themselves: tool tips on the amount cells and totals, the window F1 and the
// "Cómo se calculó" button open, and that it follows the receipt shown.
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <fstream>
#include <memory>
#include <variant>
#include <vector>

#include "builtin_period.h"
#include "case_json.h"
#include "compute.h"
#include "window_fixture.h"
#include "working_text.h"

namespace recibo::receipt::testing {
namespace {

// A golden case computed with its working; the working stays with the test.
struct Explained {
    Receipt receipt;
    std::unique_ptr<ReceiptWorking> working = std::make_unique<ReceiptWorking>();

    explicit Explained(const char *name)
    {
        std::ifstream file(std::string(RECIBO_CASES_DIR) + "/" + name);
        const cases::CaseInput input = cases::inputFromJson(nlohmann::ordered_json::parse(file).at("input"), builtInPeriod());
        const Outcome outcome = compute(input.snapshot, builtInPeriod(), input.decimalSeparator, *working);
        EXPECT_TRUE(std::holds_alternative<Receipt>(outcome)) << name;
        if (std::holds_alternative<Receipt>(outcome))
            receipt = std::get<Receipt>(outcome);
    }
    std::size_t slotOf(std::string_view code) const
    {
        std::size_t slot = 0;
        while (slot < receipt.rowCount && receipt.rows[slot].code != code)
            ++slot;
        EXPECT_LT(slot, receipt.rowCount) << code;
        return slot;
    }
    QString text(const Working &of) const { return QString::fromStdString(explain(of, working->separator).text); }
};

class WorkingWindowTest : public ReceiptWindowTest {
protected:
    // The tool tip as one line, the way the sentence is written.
    QString tipOf(const char *name) const { return label(QLatin1String(name))->toolTip().replace('\n', ' '); }
    QString amountTip(std::size_t cell) const { return label(slot("Label1", cell))->toolTip().replace('\n', ' '); }

    QWidget *explanation() const
    {
        const auto found = window->findChildren<QWidget *>(QStringLiteral("explicacion"));
        return found.size() == 1 ? found.front() : nullptr;
    }
    QString listing() const
    {
        QWidget *shown = explanation();
        return shown ? shown->findChild<QPlainTextEdit *>(QStringLiteral("detalle"))->toPlainText() : QString();
    }
    void pressF1()
    {
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
    }
};

TEST_F(WorkingWindowTest, TheSeniorityAmountAndTheTotalsCarryTheirWorkingAsToolTip)
{
    const Explained largest("largest_receipt_comma.json");
    window->showReceipt(largest.receipt, *largest.working);
    const std::size_t seniority = largest.slotOf("010");
    EXPECT_EQ(amountTip(seniority), largest.text(largest.working->rows[seniority]));
    EXPECT_TRUE(amountTip(seniority).startsWith(QStringLiteral("Antigüedad 110 % de la base $")));
    EXPECT_EQ(tipOf("thaberes"), largest.text(largest.working->thaberes));
    EXPECT_EQ(tipOf("tdescuentos"), largest.text(largest.working->tdescuentos));
    EXPECT_EQ(tipOf("liquido"), largest.text(largest.working->liquido));
    // A deduction's working stands on its own cell, in the second half of Label1.
    const std::size_t iosper = largest.slotOf("505");
    EXPECT_EQ(amountTip(iosper + kRowSlots), largest.text(largest.working->rows[iosper]));
}

TEST_F(WorkingWindowTest, LongToolTipsAreBrokenIntoLinesAtBlanks)
{
    const Explained largest("largest_receipt_comma.json");
    window->showReceipt(largest.receipt, *largest.working);
    const QString tip = label(QStringLiteral("thaberes"))->toolTip();
    EXPECT_GT(tip.count('\n'), 1);
    for (const QString &line : tip.split('\n'))
        EXPECT_LE(line.size(), 90) << line.toStdString();
}

TEST_F(WorkingWindowTest, AReceiptWithoutItsWorkingLeavesNoEarlierToolTip)
{
    const Explained largest("largest_receipt_comma.json");
    window->showReceipt(largest.receipt, *largest.working);
    window->showReceipt(samples::largestReceipt());
    EXPECT_TRUE(label(slot("Label1", 0))->toolTip().isEmpty());
    EXPECT_TRUE(label(QStringLiteral("liquido"))->toolTip().isEmpty());
}

TEST_F(WorkingWindowTest, F1OpensOneModelessWindowListingEveryRowAndTotal)
{
    const Explained largest("largest_receipt_comma.json");
    window->showReceipt(largest.receipt, *largest.working);
    EXPECT_EQ(explanation(), nullptr);
    pressF1();
    QWidget *shown = explanation();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_TRUE(shown->isWindow());
    EXPECT_FALSE(shown->isModal());
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("Cómo se calculó"));

    const QString text = listing();
    qsizetype from = 0;
    for (std::size_t i = 0; i < largest.receipt.rowCount; ++i) {
        const ReceiptRow &row = largest.receipt.rows[i];
        const QString heading = qs(row.code) + "  " + qs(row.description) + "  " + QString::fromStdString(row.amount);
        // In receipt order: each row after the one before it, with its working below.
        const qsizetype at = text.indexOf(heading + "\n    " + largest.text(largest.working->rows[i]), from);
        EXPECT_GE(at, from) << heading.toStdString();
        from = std::max(from, at);
    }
    EXPECT_TRUE(text.contains("Liquido a pagar  " + label(QStringLiteral("liquido"))->text() + "\n    " +
                              largest.text(largest.working->liquido)));

    shown->close();
    pressF1();
    EXPECT_EQ(explanation(), shown);
    EXPECT_TRUE(shown->isVisible());
}

struct OpenAtCase {
    const char *rule;
    std::vector<Qt::Key> keys;  // in the receipt's lines, before F1
    const char *heading;        // the start of the line the text cursor stands on
};

void PrintTo(const OpenAtCase &c, std::ostream *os) { *os << c.rule; }

class F1OpensAt : public WorkingWindowTest, public ::testing::WithParamInterface<OpenAtCase> {};

TEST_P(F1OpensAt, TheWorkingOfTheLineBeingRead)
{
    const Explained largest("largest_receipt_comma.json");
    window->showReceipt(largest.receipt, *largest.working);
    QWidget *lines = find("recibo");
    for (const Qt::Key key : GetParam().keys)
        QTest::keyClick(lines, key);
    pressF1();
    ASSERT_NE(explanation(), nullptr);
    const auto *text = explanation()->findChild<QPlainTextEdit *>(QStringLiteral("detalle"));
    EXPECT_EQ(explanation()->focusWidget(), text);
    const QString at = text->textCursor().block().text();
    EXPECT_TRUE(at.startsWith(QString::fromUtf8(GetParam().heading))) << at.toStdString();
}

// The lines: the name, two header lines, then the rows from 001; the totals, then the date.
INSTANTIATE_TEST_SUITE_P(
    Lines, F1OpensAt,
    ::testing::Values(OpenAtCase{"the name has no amount: the top", {}, "001  Asign. de la categoría"},
                      OpenAtCase{"the sixth row", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                                                   Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down},
                                 "010  Antigüedad"},
                      OpenAtCase{"the net pay", {Qt::Key_End, Qt::Key_Up}, "Liquido a pagar"},
                      OpenAtCase{"the date has no amount: the top", {Qt::Key_End}, "001  Asign. de la categoría"}));

TEST_F(WorkingWindowTest, TheButtonOpensTheSameWindow)
{
    const Explained hours("hours_medio_12.json");
    window->showReceipt(hours.receipt, *hours.working);
    QTest::mouseClick(find<QPushButton>(QStringLiteral("explicar")), Qt::LeftButton);
    QWidget *shown = explanation();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    QTest::mouseClick(find<QPushButton>(QStringLiteral("explicar")), Qt::LeftButton);
    EXPECT_EQ(explanation(), shown);
}

TEST_F(WorkingWindowTest, TheWindowFollowsTheNextReceipt)
{
    const Explained largest("largest_receipt_comma.json");
    const Explained hours("hours_medio_12.json");
    window->showReceipt(largest.receipt, *largest.working);
    pressF1();
    const QString first = largest.text(largest.working->rows[0]);
    EXPECT_TRUE(listing().contains(first));

    // Volver, then a new receipt: the open window now explains that one.
    QTest::mouseClick(find<QPushButton>(QStringLiteral("Volver")), Qt::LeftButton);
    window->showReceipt(hours.receipt, *hours.working);
    EXPECT_FALSE(listing().contains(first));
    EXPECT_TRUE(listing().contains(hours.text(hours.working->rows[0])));
    EXPECT_TRUE(listing().contains(hours.text(hours.working->thaberes)));
}

TEST_F(WorkingWindowTest, ItsTextIsSelectedAndCopiedFromTheKeyboard)
{
    const Explained hours("hours_medio_12.json");
    window->showReceipt(hours.receipt, *hours.working);
    pressF1();
    QWidget *shown = explanation();
    ASSERT_NE(shown, nullptr);
    auto *text = shown->findChild<QPlainTextEdit *>(QStringLiteral("detalle"));
    // Ready for the keyboard: the text has the focus once the window is active.
    EXPECT_TRUE(QTest::qWaitFor([text] { return text->hasFocus(); }));
    EXPECT_TRUE(text->isReadOnly());
    // The first line, selected with Shift+End from the start, then everything with Ctrl+A.
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "001  Hs. N. Medio  " + qs(hours.receipt.rows[0].amount));
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text->toPlainText());
}

TEST_F(WorkingWindowTest, ItsButtonAndTheComparisonsStandClearOfEveryOtherControl)
{
    // A long position name widens carsel; the buttons still cover nothing.
    Receipt receipt = samples::largestReceipt();
    receipt.header.carsel = "Director de Escuela de Jornada Completa con Albergue de Primera Categoría";
    window->showReceipt(receipt);
    for (const char *name : {"explicar", "comparar"}) {
        auto *button = find<QPushButton>(QLatin1String(name));
        ASSERT_TRUE(button->isVisible()) << name;
        EXPECT_TRUE(window->rect().contains(button->geometry())) << name;
        // Its caption fits: a squeezed one is drawn no wider than the button leaves it.
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8) << name;
        for (QWidget *other : window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            // The receipt's reading overlay covers the window and lets every click through.
            if (other == button || !other->isVisible() || other->isWindow() ||
                other->testAttribute(Qt::WA_TransparentForMouseEvents))
                continue;
            EXPECT_FALSE(other->geometry().intersects(button->geometry()))
                << name << " and " << other->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace recibo::receipt::testing

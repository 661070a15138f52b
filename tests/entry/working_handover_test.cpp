// "Calcular" hands the receipt window how every amount was reached, with the receipt; through the
// real receipt window the amounts then explain themselves, and keep doing so after "Volver".
#include <QLabel>
#include <QPlainTextEdit>

#include "entry_fixture.h"
#include "working_text.h"

namespace {

class WorkingHandoverTest : public EntryTest {};

TEST_F(WorkingHandoverTest, CalcularHandsTheWorkingWithTheReceipt)
{
    chooseCode(QStringLiteral("734"));
    clickInDialog("Command1");
    click("Command1");
    ASSERT_EQ(record.workings.size(), 1u);
    ASSERT_NE(record.workings.back(), nullptr);
    const recibo::ReceiptWorking &working = *record.workings.back();
    // 1500 x 0.59 = 885, written with the Spanish decimal comma and the point grouping thousands.
    EXPECT_EQ(recibo::explain(working.rows[0], working.separator).text,
              "Puntos básicos 1.500 × valor del punto $0,59 = $885");
    EXPECT_EQ(record.shown.back().rows[0].amount, "$885");
}

TEST_F(WorkingHandoverTest, AFailedCalculationHandsNothing)
{
    click("horasmedio");
    type("numerohorasmed", QStringLiteral("doce"));
    click("Command1");
    EXPECT_TRUE(record.workings.empty());
}

// Through the real receipt window: the category amount explains itself, and the window F1 opened
// explains the next receipt after "Volver" and a new "Calcular".
class RealReceiptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
        window = std::make_unique<recibo::entry::IngresoWindow>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        QLocale::setDefault(QLocale::system());
    }
    QWidget *haberes() const
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("Haberes"))
                return w;
        return nullptr;
    }
    void calculateHours(const QString &hours)
    {
        QTest::mouseClick(window->findChild<QRadioButton *>(QStringLiteral("horasmedio")), Qt::LeftButton);
        auto *box = window->findChild<QLineEdit *>(QStringLiteral("numerohorasmed"));
        box->selectAll();
        QTest::keyClicks(box, hours);
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    }
    std::unique_ptr<recibo::entry::IngresoWindow> window;
};

TEST_F(RealReceiptTest, TheWindowF1OpenedFollowsVolverAndTheNextCalcular)
{
    calculateHours(QStringLiteral("12"));
    QWidget *receipt = haberes();
    ASSERT_NE(receipt, nullptr);
    // 12 x 64.7 x 0.59 = 458.076.
    EXPECT_EQ(receipt->findChild<QLabel *>(QStringLiteral("Label1(0)"))->toolTip(),
              QStringLiteral("12 horas × 64,7 puntos por hora × valor del punto $0,59 = $458,076"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(receipt));
    QTest::keyClick(receipt, Qt::Key_F1);
    auto *listing = receipt->findChild<QPlainTextEdit *>(QStringLiteral("detalle"));
    ASSERT_NE(listing, nullptr);
    EXPECT_TRUE(listing->toPlainText().contains(QStringLiteral("$458,076")));

    QTest::mouseClick(receipt->findChild<QPushButton *>(QStringLiteral("Volver")), Qt::LeftButton);
    calculateHours(QStringLiteral("10"));
    // 10 x 64.7 x 0.59 = 381.73.
    EXPECT_TRUE(listing->toPlainText().contains(
        QStringLiteral("10 horas × 64,7 puntos por hora × valor del punto $0,59 = $381,73")));
    EXPECT_FALSE(listing->toPlainText().contains(QStringLiteral("$458,076")));
    EXPECT_EQ(receipt->findChildren<QPlainTextEdit *>(QStringLiteral("detalle")).size(), 1);
}

}  // namespace

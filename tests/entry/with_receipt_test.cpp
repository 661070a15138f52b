// The data-entry window with the real receipt window behind it: "Calcular" shows it, "Volver" comes back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ingreso_window.h"

namespace {

QWidget *topLevel(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name)) {
            return w;
        }
    }
    return nullptr;
}

TEST(WithReceiptWindow, CalcularShowsHaberesAndVolverReturnsToDataEntry)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
    recibo::entry::IngresoWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(topLevel("Haberes"), nullptr);

    QTest::mouseClick(window.findChild<QRadioButton *>(QStringLiteral("cargo")), Qt::LeftButton);
    auto *dialog = window.selectionDialog();
    ASSERT_NE(dialog, nullptr);
    auto *code = dialog->findChild<QLineEdit *>(QStringLiteral("codcargo"));
    QTest::mouseClick(code, Qt::LeftButton);
    QTest::keyClicks(code, QStringLiteral("999"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QWidget *haberes = topLevel("Haberes");
    ASSERT_NE(haberes, nullptr);
    EXPECT_FALSE(haberes->isVisible());
    EXPECT_EQ(haberes->findChild<QLineEdit *>(QStringLiteral("numcargo"))->text(), QStringLiteral("999"));

    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_TRUE(haberes->isVisible());
    EXPECT_TRUE(window.isVisible());
    // 3146 x 0.59 = 1856.14 on the category row.
    EXPECT_EQ(haberes->findChild<QLabel *>(QStringLiteral("Label1(0)"))->text(), QStringLiteral("$1856,14"));

    QTest::mouseClick(haberes->findChild<QPushButton *>(QStringLiteral("Volver")), Qt::LeftButton);
    EXPECT_FALSE(haberes->isVisible());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.findChild<QRadioButton *>(QStringLiteral("cargo"))->isChecked());
    EXPECT_FALSE(window.findChild<QLabel *>(QStringLiteral("cargoselect"))->isVisible());
    QLocale::setDefault(QLocale::system());
}

}  // namespace

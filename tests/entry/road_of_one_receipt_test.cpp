// One receipt from start to end through the real windows: a position chosen in the dialog, seniority,
// zone and two deductions, "Calcular", scrolling, printing, "Volver", and a second "Calcular" that
// rewrites the same receipt window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "haberes_window.h"
#include "ingreso_window.h"

namespace {

QWidget *visibleTopLevel(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

QString textOf(QWidget *window, const QString &name)
{
    auto *control = window->findChild<QWidget *>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control ? control->property("text").toString() : QString();
}

bool shown(QWidget *window, const QString &name)
{
    auto *control = window->findChild<QWidget *>(name);
    return control && control->isVisible();
}

struct ExpectedRow {
    const char *code;
    const char *middle;  // nullptr: hidden
    const char *description;
    const char *amount;
    bool deduction;
};

// Position 734 (1500 basic, 101 complement, 150 task points), "Entre 5 y 7 años" (30 %),
// "Desfavorable" (40 %), IOSPER and pension, decimal comma:
//   001 1500 x 0.59 = 885; 002 0.59 x 101 = 59.59; 016 150 x 0.59 = 88.5; base 1033.09
//   010 1033.09 x 30 % = 309.927; 078 x 40 % = 413.236; 006 Option4, 1401..1942 band = 193
//   014 193 x 0.07 = 13.51; 084 110 (incentive, no full day); 113 100
//   188 (1033.09 + 309.927 + 413.236) x 0.07 = 122.93771 -> 122.9377
//   remunerativo 1033.09 + 413.236 + 309.927 + 193 + 13.51 + 122.9377 = 2085.7007
//   172: T = 2085.7007 - 193 - 13.51 - 442.1625 = 1437.0282, N = 1676.0077 - 281.6575272 >= 1290
//   505 2085.7007 x 0.03 = 62.571021 -> 62.571; 502 x 0.16 = 333.712112 -> 333.7121
const ExpectedRow kRows[] = {
    {"001", "1", "Asign. de la categoría", "$885", false},
    {"002", "", "Comp. de Básico", "$ 59,59", false},
    {"016", "", "Tarea diferenciada", "$ 88,5", false},
    {"010", "30 %", "Antigüedad", "$ 309,927", false},
    {"078", "40 %", "As. por zona", "$ 413,236", false},
    {"006", "", "Adic. Art 2 y 3 Dcrto 5863/05", "$ 193", false},
    {"014", "0,7", "Product Dcrto 5863/05", "$ 13,51", false},
    {"084", "", "Incentivo de Nación", "$ 110", false},
    {"113", "", "Negro de Nación", "$ 100", false},
    {"188", "7.0", "Plus Productividad", "$ 122,9377", false},
    {"505", "3 %", "IOSPER", "$ 62,571", true},
    {"502", "16 %", "Aporte Jub.", "$ 333,7121", true},
};

class RoadOfOneReceipt : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    template <class T>
    T *on(QWidget *window, const char *name)
    {
        auto *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(QWidget *window, const char *name)
    {
        QTest::mouseClick(on<QWidget>(window, name), Qt::LeftButton);
    }
};

TEST_F(RoadOfOneReceipt, FromPositionToPrintedReceiptAndBack)
{
    recibo::entry::IngresoWindow ingreso;
    ingreso.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ingreso));
    QTest::keyClicks(on<QLineEdit>(&ingreso, "docente"), QStringLiteral("Perez, Ana"));

    // "Cargo", then 734 typed into the dialog's emptied code box, then "Listo".
    click(&ingreso, "cargo");
    QWidget *dialog = visibleTopLevel("advertencia");
    ASSERT_NE(dialog, nullptr);
    click(dialog, "codcargo");
    QTest::keyClicks(on<QLineEdit>(dialog, "codcargo"), QStringLiteral("734"));
    click(dialog, "Command1");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(textOf(&ingreso, QStringLiteral("cargoselect")), QStringLiteral("Asistente Social"));

    click(&ingreso, "Option4");
    on<QComboBox>(&ingreso, "zona")->setCurrentIndex(2);
    click(&ingreso, "Iosper");
    click(&ingreso, "APORTEJUB");
    click(&ingreso, "Command1");

    QWidget *haberes = visibleTopLevel("Haberes");
    ASSERT_NE(haberes, nullptr);
    EXPECT_TRUE(haberes->isEnabled());
    EXPECT_TRUE(ingreso.isVisible());
    for (int i = 0; i < static_cast<int>(std::size(kRows)); ++i) {
        const ExpectedRow &row = kRows[i];
        SCOPED_TRACE(row.code);
        EXPECT_EQ(textOf(haberes, QStringLiteral("cod(%1)").arg(i)), QString::fromUtf8(row.code));
        EXPECT_EQ(textOf(haberes, QStringLiteral("Label19(%1)").arg(i)), QString::fromUtf8(row.description));
        EXPECT_EQ(textOf(haberes, QStringLiteral("Label10(%1)").arg(i)), QString::fromUtf8(row.middle));
        const QString amountCell = QStringLiteral("Label1(%1)").arg(row.deduction ? i + 27 : i);
        EXPECT_TRUE(shown(haberes, amountCell));
        EXPECT_FALSE(shown(haberes, QStringLiteral("Label1(%1)").arg(row.deduction ? i : i + 27)));
        EXPECT_EQ(textOf(haberes, amountCell), QString::fromUtf8(row.amount));
    }
    EXPECT_FALSE(shown(haberes, QStringLiteral("cod(%1)").arg(std::size(kRows))));
    // Earnings 885 + 59.59 + 88.5 + 309.927 + 413.236 + 193 + 13.51 + 110 + 100 + 122.9377 = 2295.7007;
    // deductions 62.571 + 333.7121 = 396.2831; net 1899.4176.
    EXPECT_EQ(textOf(haberes, QStringLiteral("thaberes")), QStringLiteral("$ 2295,7007"));
    EXPECT_EQ(textOf(haberes, QStringLiteral("tdescuentos")), QStringLiteral("$ 396,2831"));
    EXPECT_EQ(textOf(haberes, QStringLiteral("liquido")), QStringLiteral("$ 1899,4176"));
    EXPECT_EQ(textOf(haberes, QStringLiteral("docente")), QStringLiteral("Perez, Ana"));
    EXPECT_EQ(textOf(haberes, QStringLiteral("numcargo")), QStringLiteral("734"));
    EXPECT_EQ(textOf(haberes, QStringLiteral("carsel")), QStringLiteral("Asistente Social"));
    EXPECT_FALSE(textOf(haberes, QStringLiteral("Text10")).isEmpty());

    // This receipt fits the window: scrolling to the end neither moves it into blank space nor hides
    // the net pay.
    auto *movedor = on<QScrollBar>(haberes, "movedor");
    auto *frame = on<QWidget>(haberes, "sosten");
    const int topBefore = frame->y();
    movedor->setValue(movedor->maximum());
    EXPECT_EQ(frame->y(), topBefore);
    auto *liquido = on<QWidget>(haberes, "liquido");
    const QRect liquidoInWindow(liquido->mapTo(haberes, QPoint(0, 0)), liquido->size());
    EXPECT_TRUE(haberes->rect().contains(liquidoInWindow));
    movedor->setValue(100);

    // Printing to a PDF file gives a page and leaves the window as it was.
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("recibo.pdf")));
    auto *window = qobject_cast<recibo::receipt::HaberesWindow *>(haberes);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->printReceipt(&printer));
    EXPECT_GT(QFileInfo(printer.outputFileName()).size(), 0);
    EXPECT_TRUE(shown(haberes, QStringLiteral("Volver")));
    EXPECT_FALSE(shown(haberes, QStringLiteral("Text2")));

    // "Volver": the category must be chosen again; "Calcular" without one answers with the error.
    click(haberes, "Volver");
    EXPECT_FALSE(haberes->isVisible());
    EXPECT_FALSE(on<QRadioButton>(&ingreso, "cargo")->isChecked());
    EXPECT_TRUE(on<QRadioButton>(&ingreso, "Option4")->isChecked());
    EXPECT_TRUE(on<QCheckBox>(&ingreso, "Iosper")->isChecked());
    click(&ingreso, "Command1");
    QWidget *error = visibleTopLevel("error");
    ASSERT_NE(error, nullptr);
    EXPECT_FALSE(haberes->isVisible());
    QTest::keyClick(error, Qt::Key_Return);
    EXPECT_FALSE(error->isVisible());

    // "Cargo" again shows the dialog with 734 still chosen; a spouse added; the same window refreshed.
    click(&ingreso, "cargo");
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(on<QLineEdit>(dialog, "codcargo")->text(), QStringLiteral("734"));
    click(dialog, "Command1");
    click(&ingreso, "conyuge");
    click(&ingreso, "Command1");
    EXPECT_EQ(visibleTopLevel("Haberes"), haberes);
    EXPECT_EQ(textOf(haberes, QStringLiteral("cod(10)")), QStringLiteral("1010"));
    EXPECT_FALSE(shown(haberes, QStringLiteral("Label10(10)")));
    EXPECT_EQ(textOf(haberes, QStringLiteral("cod(12)")), QStringLiteral("502"));
    EXPECT_EQ(textOf(haberes, QStringLiteral("thaberes")), QStringLiteral("$ 2310,7007"));
    EXPECT_EQ(textOf(haberes, QStringLiteral("liquido")), QStringLiteral("$ 1914,4176"));
}

}  // namespace

// The data-entry window "ingreso": start state, reactions, "Calcular", the error dialog and "Salir".
#include <QFile>
#include <QGroupBox>
#include <QMessageBox>

#include <unistd.h>

#include <variant>

#include "compute.h"
#include "entry_fixture.h"
#include "error_dialog.h"

namespace {

using recibo::Category;
using recibo::entry::ErrorDialog;

class IngresoTest : public EntryTest {
protected:
    bool shown(const char *name) { return control<QWidget>(name)->isVisible(); }
    QString text(const char *name) { return control<QLineEdit>(name)->text(); }
    QList<ErrorDialog *> errorDialogs() { return window->findChildren<ErrorDialog *>(); }
    QMessageBox *message() { return window->findChild<QMessageBox *>(QStringLiteral("mensaje")); }
};

struct StartState {
    const char *name;
    const char *text;     // caption or text, nullptr when not checked
    const char *toolTip;  // nullptr when none is expected
    bool visible;
};

constexpr StartState kStart[] = {
    {"Label5", "Apellido y nombre:", nullptr, true},
    {"docente", "", nullptr, true},
    {"Text3", "Marzo de 2.008", nullptr, true},
    {"Frame2", "Categoría", nullptr, true},
    {"cargo", "Cargo", "Seleccione para evaluar un cargo", true},
    {"horasmedio", "Hs. N. Medio", "Seleccione para evaluar horas de nivel medio", true},
    {"horassup", "Hs. N. Superior", "Seleccione para evaluar horas de nivel superior", true},
    {"cargoselect", nullptr, nullptr, false},
    {"codcartit", "Código del cargo", nullptr, false},
    {"puncartit", "Puntaje del cargo", nullptr, false},
    {"puncompbastit", "Comp de Básico", nullptr, false},
    {"punproljortit", "Puntos prol jorn", nullptr, false},
    {"punjorcomtit", "Puntos Jor comp", nullptr, false},
    {"puntardiftit", "Puntos tarea difer", nullptr, false},
    {"codcarval", nullptr, nullptr, false},
    {"puncarval", nullptr, nullptr, false},
    {"puncompbasval", nullptr, nullptr, false},
    {"punproljorval", nullptr, nullptr, false},
    {"punjorcomval", nullptr, nullptr, false},
    {"puntardifval", nullptr, nullptr, false},
    {"Label3", "Número de horas N. Medio", nullptr, false},
    {"Label4", "Número de horas N. Superior", nullptr, false},
    {"Label2", "Número de horas con código 06", nullptr, false},
    {"Label7", "Número de horas con incentivo", nullptr, false},
    {"Label6", "Número de horas con código 113", nullptr, false},
    {"numerohorasmed", "0", "Ingrese la cantidad de horas", false},
    {"numerohorassup", "0", "Ingrese la cantidad de horas", false},
    {"numhorascod06", "0", "Ingrese la cantidad de horas", false},
    {"numhorasincen", "0", "Ingrese la cantidad de horas", false},
    {"numhorascod113", "0", "Ingrese la cantidad de horas", false},
    {"opincentivo", "Incentivo", "Deshabilite si no se cobra", true},
    {"Text1", "Si", nullptr, true},
    {"transporte", "Transporte", nullptr, true},
    {"cantkm", "0", "¿Cuántos Km semanales?", false},
    {"mensajekm", "cantidad de km semanales", nullptr, false},
    {"inasist", "Inasistencias", "Haga Click si tiene inasistencias", true},
    {"dinasist", "0", "Cantidad de días.", false},
    {"hijos", "Hijos", nullptr, true},
    {"cantidadhijos", "0", "¿Cuántos Hijos?", false},
    {"hijosdisc", "Hijos Diferenc", nullptr, true},
    {"cantidadhijosdisc", "0", "¿Cuántos Hijos?", false},
    {"conyuge", "Conyuge", nullptr, true},
    {"Frame3", "Descuentos", nullptr, true},
    {"Iosper", "IOSPER", nullptr, true},
    {"Osplad", "OSPLAD", nullptr, true},
    {"TOVIL", "TOVIL", nullptr, true},
    {"APORTEJUB", "Aporte jubilatorio", nullptr, true},
    {"cajacomp", "Caja compensadora", nullptr, true},
    {"Ley4035", "Ley 4035", nullptr, true},
    {"Seguro3011", "Seguro (3011)", nullptr, true},
    {"Frame1", "Antigüedad", nullptr, true},
    {"porcantig", "", "Porcentaje de Antigüedad", true},
    {"Command1", "Calcular", "Genera el recibo", true},
    {"Command2", "Salir", nullptr, true},
    {"Picture1", nullptr, nullptr, true},
    {"Shape1", nullptr, nullptr, true},
    {"Label1", nullptr, nullptr, true},
    {"Label8", nullptr, nullptr, true},
    {"Text2", nullptr, nullptr, true},
};

QString captionOf(QWidget *w)
{
    if (auto *l = qobject_cast<QLabel *>(w)) return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w)) return b->text();
    if (auto *e = qobject_cast<QLineEdit *>(w)) return e->text();
    if (auto *g = qobject_cast<QGroupBox *>(w)) return g->title();
    return QStringLiteral("<no text>");
}

TEST_F(IngresoTest, StartsWithEveryControlInItsState)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ingreso de datos"));
    // The design's client area stands whole under the menu bar.
    EXPECT_EQ(window->centralWidget()->size(), QSize(792, 573));
    for (const StartState &s : kStart) {
        auto *w = control<QWidget>(s.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->isVisible(), s.visible) << s.name;
        if (s.text) {
            EXPECT_EQ(captionOf(w), QString::fromUtf8(s.text)) << s.name;
        }
        if (s.toolTip) {
            EXPECT_EQ(w->toolTip(), QString::fromUtf8(s.toolTip)) << s.name;
        }
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << s.name;
        }
    }
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>("docente"));
    EXPECT_TRUE(control<QCheckBox>("opincentivo")->isChecked());
    for (const char *name : {"transporte", "inasist", "hijos", "hijosdisc", "conyuge", "Iosper", "Osplad", "TOVIL",
                             "APORTEJUB", "cajacomp", "Ley4035", "Seguro3011"}) {
        EXPECT_FALSE(control<QCheckBox>(name)->isChecked()) << name;
    }
    for (const char *name : {"cargo", "horasmedio", "horassup"}) {
        EXPECT_FALSE(control<QRadioButton>(name)->isChecked()) << name;
    }
    for (int i = 1; i <= 12; ++i) {
        EXPECT_FALSE(control<QRadioButton>(QByteArray("Option" + QByteArray::number(i)).constData())->isChecked());
    }
    EXPECT_TRUE(control<QLineEdit>("porcantig")->isReadOnly());
    EXPECT_TRUE(control<QLineEdit>("Text1")->isReadOnly());
    EXPECT_EQ(window->pctantig(), 0);
    auto *zona = control<QComboBox>("zona");
    EXPECT_EQ(zona->currentIndex(), -1);
    EXPECT_EQ(zona->currentText(), QStringLiteral("Ubicación Escuela"));
    ASSERT_EQ(zona->count(), 5);
    const char *zones[] = {"Común", "Alejada radio urbano", "Desfavorable", "Muy desfavorable", "Zona Inhóspita"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(zona->itemText(i), QString::fromUtf8(zones[i]));
        EXPECT_EQ(zona->itemData(i).toInt(), i + 1);
    }
    // Nothing but the data-entry window exists at start; no receipt is shown.
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_TRUE(errorDialogs().empty());
    EXPECT_TRUE(record.shown.empty());
}

TEST_F(IngresoTest, TheReceiptWindowIsPreparedOnceWhileTheWindowIsIdle)
{
    QTest::qWait(50);
    EXPECT_EQ(record.created, 1);
    EXPECT_EQ(record.prepared, 1);
    EXPECT_TRUE(record.shown.empty());
    window->repaint();
    QTest::qWait(50);
    EXPECT_EQ(record.prepared, 1);
}

TEST_F(IngresoTest, ControlsStayInsideTheWindowAndShownOnesDoNotOverlap)
{
    click("horasmedio");
    click("transporte");
    click("inasist");
    click("hijos");
    click("hijosdisc");
    std::vector<QWidget *> shownControls;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || !w->isVisible() || w->parentWidget() != window.get()) continue;
        EXPECT_TRUE(window->rect().contains(w->geometry())) << w->objectName().toStdString();
        if (w->objectName() != QStringLiteral("Shape1")) shownControls.push_back(w);
    }
    for (std::size_t i = 0; i < shownControls.size(); ++i) {
        for (std::size_t j = i + 1; j < shownControls.size(); ++j) {
            EXPECT_FALSE(shownControls[i]->geometry().intersects(shownControls[j]->geometry()))
                << shownControls[i]->objectName().toStdString() << " / " << shownControls[j]->objectName().toStdString();
        }
    }
    // Captions fit their controls.
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            EXPECT_GE(b->width(), b->sizeHint().width()) << b->objectName().toStdString();
        }
        if (auto *l = qobject_cast<QLabel *>(w); l && !l->text().isEmpty()) {
            EXPECT_GE(l->width(), l->sizeHint().width()) << l->objectName().toStdString();
        }
    }
}

TEST_F(IngresoTest, CargoZeroesAllFiveHoursBoxesAndHidesTheHoursFields)
{
    click("horasmedio");
    for (const char *name : {"numerohorasmed", "numhorascod06", "numhorasincen", "numhorascod113"}) {
        type(name, QStringLiteral("12"));
    }
    click("cargo");
    for (const char *name : {"numerohorasmed", "numerohorassup", "numhorascod06", "numhorasincen", "numhorascod113"}) {
        EXPECT_EQ(text(name), QStringLiteral("0")) << name;
        EXPECT_FALSE(shown(name)) << name;
    }
    for (const char *name : {"Label3", "Label4", "Label2", "Label7", "Label6"}) {
        EXPECT_FALSE(shown(name)) << name;
    }
    EXPECT_TRUE(dialog()->isVisible());
}

TEST_F(IngresoTest, SwitchingHoursCategoriesZeroesOnlyTheOtherLevel)
{
    click("horasmedio");
    EXPECT_TRUE(shown("numerohorasmed"));
    EXPECT_TRUE(shown("Label3"));
    EXPECT_FALSE(shown("numerohorassup"));
    for (const char *name : {"numhorascod06", "Label2", "numhorasincen", "Label7", "numhorascod113", "Label6"}) {
        EXPECT_TRUE(shown(name)) << name;
    }
    type("numerohorasmed", QStringLiteral("12"));
    type("numhorascod06", QStringLiteral("30"));
    type("numhorasincen", QStringLiteral("10"));
    type("numhorascod113", QStringLiteral("5"));

    click("horassup");
    EXPECT_EQ(text("numerohorasmed"), QStringLiteral("0"));
    EXPECT_FALSE(shown("numerohorasmed"));
    EXPECT_FALSE(shown("Label3"));
    EXPECT_TRUE(shown("numerohorassup"));
    EXPECT_TRUE(shown("Label4"));
    EXPECT_EQ(text("numhorascod06"), QStringLiteral("30"));
    EXPECT_EQ(text("numhorasincen"), QStringLiteral("10"));
    EXPECT_EQ(text("numhorascod113"), QStringLiteral("5"));
    type("numerohorassup", QStringLiteral("8"));

    click("horasmedio");
    EXPECT_EQ(text("numerohorassup"), QStringLiteral("0"));
    EXPECT_FALSE(shown("numerohorassup"));
    EXPECT_EQ(text("numhorascod06"), QStringLiteral("30"));
}

TEST_F(IngresoTest, HoursCategoryClosesTheDialogAndHidesTheSummary)
{
    chooseCode(QStringLiteral("734"));
    clickInDialog("Command1");
    EXPECT_TRUE(shown("cargoselect"));
    click("horasmedio");
    EXPECT_FALSE(shown("cargoselect"));
    EXPECT_FALSE(shown("codcarval"));
    click("cargo");
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_FALSE(shown("cargoselect"));
    click("horassup");
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(dialogControl<QLineEdit>("codcargo")->text(), QStringLiteral("734"));
}

struct CountBox {
    const char *check;
    const char *box;
    const char *caption;  // shown with the box, or nullptr
};

void PrintTo(const CountBox &c, std::ostream *os) { *os << c.check; }

class CountBoxTest : public IngresoTest, public ::testing::WithParamInterface<CountBox> {};

TEST_P(CountBoxTest, FollowsItsCheckBoxAndComesBackAsZero)
{
    const CountBox &c = GetParam();
    click(c.check);
    EXPECT_TRUE(shown(c.box));
    if (c.caption) {
        EXPECT_TRUE(shown(c.caption));
    }
    type(c.box, QStringLiteral("3"));
    click(c.check);
    EXPECT_FALSE(shown(c.box));
    if (c.caption) {
        EXPECT_FALSE(shown(c.caption));
    }
    EXPECT_EQ(text(c.box), QStringLiteral("0"));
    // The keyboard ticks it as well as the mouse.
    auto *check = control<QCheckBox>(c.check);
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_TRUE(shown(c.box));
    EXPECT_EQ(text(c.box), QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(CountBoxes, CountBoxTest,
                         ::testing::Values(CountBox{"hijos", "cantidadhijos", nullptr},
                                           CountBox{"hijosdisc", "cantidadhijosdisc", nullptr},
                                           CountBox{"transporte", "cantkm", "mensajekm"},
                                           CountBox{"inasist", "dinasist", nullptr}));

TEST_F(IngresoTest, IncentiveBoxWritesSiOrNo)
{
    click("opincentivo");
    EXPECT_EQ(text("Text1"), QStringLiteral("No"));
    click("opincentivo");
    EXPECT_EQ(text("Text1"), QStringLiteral("Si"));
}

struct Bracket {
    int option;
    const char *caption;
    const char *percentText;
    int percent;
};

void PrintTo(const Bracket &b, std::ostream *os) { *os << "Option" << b.option; }

class SeniorityTest : public IngresoTest, public ::testing::WithParamInterface<Bracket> {};

TEST_P(SeniorityTest, OptionWritesPercentTextAndValue)
{
    const Bracket &b = GetParam();
    const QByteArray name = "Option" + QByteArray::number(b.option);
    auto *option = control<QRadioButton>(name.constData());
    EXPECT_EQ(option->text(), QString::fromUtf8(b.caption));
    EXPECT_EQ(option->toolTip(), QString::fromUtf8(b.percentText));
    // Start from another bracket so the value visibly changes.
    click(b.option == 12 ? "Option11" : "Option12");
    click(name.constData());
    EXPECT_EQ(text("porcantig"), QString::fromUtf8(b.percentText));
    EXPECT_EQ(window->pctantig(), b.percent);
    EXPECT_EQ(window->snapshot().seniorityOption, b.option);
    EXPECT_EQ(window->snapshot().porcantig, b.percentText);
}

INSTANTIATE_TEST_SUITE_P(
    Brackets, SeniorityTest,
    ::testing::Values(Bracket{1, "Menos de 1 año", "0 %", 0}, Bracket{2, "Entre 1 y 2 años", "10 %", 10},
                      Bracket{3, "Entre 2 y 5 años", "15 %", 15}, Bracket{4, "Entre 5 y 7 años", "30 %", 30},
                      Bracket{5, "Entre 7 y 10 años", "40 %", 40}, Bracket{6, "Entre 10 y 12 años", "50 %", 50},
                      Bracket{7, "Entre 12 y 15 años", "60 %", 60}, Bracket{8, "Entre 15 y 17 años", "70 %", 70},
                      Bracket{9, "Entre 17 y 20 años", "80 %", 80}, Bracket{10, "Entre 20 y 22 años", "100 %", 100},
                      Bracket{11, "Entre 22 y 24 años", "110 %", 110}, Bracket{12, "Más de 24 años", "120 %", 120}));

TEST_F(IngresoTest, CalcularWithNoCategoryShowsOneErrorDialogClosedByEnterOrEsc)
{
    click("Command1");
    ASSERT_EQ(errorDialogs().size(), 1);
    ErrorDialog *error = errorDialogs().front();
    EXPECT_TRUE(error->isVisible());
    EXPECT_FALSE(error->isModal());
    EXPECT_EQ(error->objectName(), QStringLiteral("error"));
    EXPECT_EQ(error->windowTitle(), QStringLiteral("Error de selección"));
    EXPECT_EQ(error->size(), QSize(293, 263));
    EXPECT_EQ(in<QLabel>(error, "Label1")->text(), QStringLiteral("seleccione cargo u horas de nivel medio o superior"));
    auto *aceptar = in<QPushButton>(error, "Aceptar");
    EXPECT_TRUE(aceptar->isDefault());

    click("Command1");
    EXPECT_EQ(errorDialogs().size(), 1);
    QTest::keyClick(error, Qt::Key_Return);
    EXPECT_FALSE(error->isVisible());

    click("Command1");
    EXPECT_TRUE(error->isVisible());
    QTest::keyClick(error, Qt::Key_Escape);
    EXPECT_FALSE(error->isVisible());

    click("Command1");
    QTest::mouseClick(aceptar, Qt::LeftButton);
    EXPECT_FALSE(error->isVisible());
    EXPECT_EQ(errorDialogs().size(), 1);
    // No receipt is shown.
    EXPECT_TRUE(record.shown.empty());
}

TEST_F(IngresoTest, EnterInAFieldPressesCalcular)
{
    type("docente", QStringLiteral("Gomez"));
    QTest::keyClick(control<QLineEdit>("docente"), Qt::Key_Return);
    ASSERT_EQ(errorDialogs().size(), 1);
    EXPECT_TRUE(errorDialogs().front()->isVisible());
}

TEST_F(IngresoTest, CalcularHandsThePositionReceiptToTheReceiptWindow)
{
    type("docente", QStringLiteral("Perez, Ana"));
    chooseCode(QStringLiteral("734"));
    clickInDialog("Command1");
    click("Command1");
    ASSERT_EQ(record.shown.size(), 1u);
    const recibo::Receipt &r = record.shown.back();
    ASSERT_GE(r.rowCount, 3u);
    // 1500 x 0.59 = 885; 101 x 0.59 = 59.59; 150 x 0.59 = 88.5, with the Spanish decimal comma.
    EXPECT_EQ(r.rows[0].code, "001");
    EXPECT_EQ(r.rows[0].amount, "$885");
    EXPECT_EQ(r.rows[1].code, "002");
    EXPECT_EQ(r.rows[1].amount, "$ 59,59");
    EXPECT_EQ(r.rows[2].code, "016");
    EXPECT_EQ(r.rows[2].amount, "$ 88,5");
    EXPECT_EQ(r.header.numcargo, "734");
    EXPECT_EQ(r.header.punbasicos, "1500");
    EXPECT_EQ(r.header.carsel, "Asistente Social");
    EXPECT_EQ(r.docente, "Perez, Ana");
}

TEST_F(IngresoTest, CalcularUsesThePointDecimalSeparatorOfTheLocale)
{
    QLocale::setDefault(QLocale::c());
    click("horasmedio");
    type("numerohorasmed", QStringLiteral("12"));
    click("Command1");
    ASSERT_EQ(record.shown.size(), 1u);
    // 12 x 64.7 x 0.59 = 458.076.
    EXPECT_EQ(record.shown.back().rows[0].amount, "$458.076");
    EXPECT_EQ(record.shown.back().header.punbasicos, "776.4");
}

TEST_F(IngresoTest, SnapshotReadsEveryControlAsItStands)
{
    type("docente", QStringLiteral("Ruiz"));
    click("horassup");
    type("numerohorassup", QStringLiteral("7,5"));
    type("numhorascod06", QStringLiteral("15"));
    type("numhorasincen", QStringLiteral("2"));
    type("numhorascod113", QStringLiteral("24"));
    click("Option4");
    click("opincentivo");
    click("transporte");
    type("cantkm", QStringLiteral("300"));
    click("inasist");
    type("dinasist", QStringLiteral("2"));
    click("hijos");
    type("cantidadhijos", QStringLiteral("2"));
    click("hijosdisc");
    type("cantidadhijosdisc", QStringLiteral("1"));
    click("conyuge");
    click("Osplad");
    click("TOVIL");
    click("Seguro3011");
    auto *zona = control<QComboBox>("zona");
    zona->setFocus();
    QTest::keyClick(zona, Qt::Key_Down);
    QTest::keyClick(zona, Qt::Key_Down);
    QTest::keyClick(zona, Qt::Key_Down);

    const recibo::Snapshot s = window->snapshot();
    EXPECT_EQ(s.category, Category::HorasSup);
    EXPECT_EQ(s.docente, "Ruiz");
    EXPECT_EQ(s.numerohorasmed, "0");
    EXPECT_EQ(s.numerohorassup, "7,5");
    EXPECT_EQ(s.numhorascod06, "15");
    EXPECT_EQ(s.numhorasincen, "2");
    EXPECT_EQ(s.numhorascod113, "24");
    EXPECT_EQ(s.seniorityOption, 4);
    EXPECT_EQ(s.pctantig, 30);
    EXPECT_EQ(s.porcantig, "30 %");
    EXPECT_EQ(s.zona, 2);
    EXPECT_FALSE(s.opincentivo);
    EXPECT_TRUE(s.transporte);
    EXPECT_EQ(s.cantkm, "300");
    EXPECT_EQ(s.dinasist, "2");
    EXPECT_TRUE(s.hijos);
    EXPECT_EQ(s.cantidadhijos, "2");
    EXPECT_TRUE(s.hijosdisc);
    EXPECT_EQ(s.cantidadhijosdisc, "1");
    EXPECT_TRUE(s.conyuge);
    EXPECT_FALSE(s.Iosper);
    EXPECT_TRUE(s.Osplad);
    EXPECT_TRUE(s.TOVIL);
    EXPECT_FALSE(s.APORTEJUB);
    EXPECT_FALSE(s.cajacomp);
    EXPECT_FALSE(s.Ley4035);
    EXPECT_TRUE(s.Seguro3011);
    // No dialog was opened, so there is no position.
    EXPECT_EQ(s.codigocargo, "");
    EXPECT_EQ(s.punbas, "");
}

TEST_F(IngresoTest, SnapshotReadsThePositionFromTheDialog)
{
    chooseCode(QStringLiteral("650"));
    auto *task = dialogControl<QLineEdit>("tardif");
    task->selectAll();
    QTest::keyClicks(task, QStringLiteral("20"));
    const recibo::Snapshot s = window->snapshot();
    EXPECT_EQ(s.category, Category::Cargo);
    EXPECT_EQ(s.codigocargo, "650");
    EXPECT_EQ(s.puntosbasicos, "1740");
    EXPECT_EQ(s.cargox, "Coordinador De Acciones No Formales");
    EXPECT_EQ(s.punbas, "1740");
    EXPECT_EQ(s.compbas, "70");
    EXPECT_EQ(s.proljor, "750");
    EXPECT_EQ(s.jorcom, "0");
    EXPECT_EQ(s.tardif, "20");
}

TEST_F(IngresoTest, TypingIntoTheZoneTextChoosesNoEntry)
{
    auto *zona = control<QComboBox>("zona");
    zona->lineEdit()->selectAll();
    QTest::keyClicks(zona->lineEdit(), QStringLiteral("Desfavorable"));
    QTest::keyClick(zona->lineEdit(), Qt::Key_Return);
    click("transporte");
    EXPECT_EQ(zona->currentIndex(), -1);
    EXPECT_EQ(zona->count(), 5);
    EXPECT_EQ(window->snapshot().zona, -1);
}

TEST_F(IngresoTest, AFailedCalculationShowsAMessageAndChangesNothing)
{
    click("horasmedio");
    type("numerohorasmed", QStringLiteral("12"));
    click("Command1");
    ASSERT_EQ(record.shown.size(), 1u);

    type("numerohorasmed", QStringLiteral("doce"));
    click("Command1");
    EXPECT_EQ(record.shown.size(), 1u);
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->isVisible());
    EXPECT_FALSE(message()->isModal());
    EXPECT_EQ(message()->text(), QStringLiteral("Número de horas N. Medio: \"doce\" no es un número."));
    EXPECT_EQ(text("numerohorasmed"), QStringLiteral("doce"));
    EXPECT_TRUE(control<QRadioButton>("horasmedio")->isChecked());

    click("inasist");
    type("dinasist", QStringLiteral("1,5,2"));
    type("numerohorasmed", QStringLiteral("12"));
    click("Command1");
    EXPECT_EQ(message()->text(), QStringLiteral("Cantidad de días de inasistencia: \"1,5,2\" no es un número."));
    EXPECT_EQ(window->findChildren<QMessageBox *>().size(), 1);
}

TEST_F(IngresoTest, TooManyDisabledChildrenSaysTheLimit)
{
    click("horasmedio");
    click("hijosdisc");
    type("cantidadhijosdisc", QStringLiteral("82"));
    click("Command1");
    EXPECT_TRUE(record.shown.empty());
    ASSERT_NE(message(), nullptr);
    EXPECT_EQ(message()->text(), QStringLiteral("Cantidad de hijos con discapacidad: \"82\" supera el máximo de 81 hijos diferenciados."));
}

TEST_F(IngresoTest, CargoWithoutAPositionSaysHowToChooseOne)
{
    click("cargo");
    click("Command1");
    EXPECT_TRUE(record.shown.empty());
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().startsWith(QStringLiteral("Elija un cargo")));
    EXPECT_TRUE(message()->text().contains(QStringLiteral("Selección de cargo")));
}

TEST_F(IngresoTest, VolverClearsTheCategoryAndKeepsTheRest)
{
    type("docente", QStringLiteral("Sosa"));
    click("Option9");
    click("horasmedio");
    type("numerohorasmed", QStringLiteral("10"));
    type("numhorascod06", QStringLiteral("4"));
    click("Command1");
    ASSERT_TRUE(record.volver);
    window->hide();
    record.volver();
    EXPECT_TRUE(window->isVisible());
    for (const char *name : {"cargo", "horasmedio", "horassup"}) {
        EXPECT_FALSE(control<QRadioButton>(name)->isChecked()) << name;
    }
    for (const char *name : {"numerohorasmed", "numerohorassup", "Label3", "Label4", "cargoselect", "codcarval"}) {
        EXPECT_FALSE(shown(name)) << name;
    }
    EXPECT_EQ(text("docente"), QStringLiteral("Sosa"));
    EXPECT_EQ(text("numerohorasmed"), QStringLiteral("10"));
    EXPECT_EQ(text("porcantig"), QStringLiteral("80 %"));
    EXPECT_EQ(window->pctantig(), 80);
    click("Command1");
    ASSERT_EQ(errorDialogs().size(), 1);
    EXPECT_TRUE(errorDialogs().front()->isVisible());
    EXPECT_EQ(record.shown.size(), 1u);
    EXPECT_EQ(record.created, 1);
}

TEST_F(IngresoTest, SalirEndsTheProgramEvenWithTheDialogsOpen)
{
    click("cargo");
    click("Command2");
    EXPECT_EQ(quits, 1);
}

TEST_F(IngresoTest, ManyCategorySwitchesKeepOneInstanceOfEachWindow)
{
    for (int i = 0; i < 200; ++i) {
        click("cargo");
        click(i % 2 ? "horasmedio" : "horassup");
        click("Command1");
    }
    EXPECT_EQ(window->findChildren<recibo::catalogue::SelectionDialog *>().size(), 1);
    EXPECT_TRUE(errorDialogs().empty());
    EXPECT_EQ(record.created, 1);
    EXPECT_EQ(record.shown.size(), 200u);
}

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

TEST_F(IngresoTest, AThousandSwitchesAndOpeningsKeepOneWindowEachAndNoGrowth)
{
    const auto round = [this] {
        click("cargo");
        clickInDialog("Command2");
        click("Command1");
        QTest::keyClick(errorDialogs().front(), Qt::Key_Escape);
        click("horasmedio");
        click("horassup");
        // As in the running program, the repaints that showing and hiding asked for are done.
        QCoreApplication::processEvents();
    };
    for (int i = 0; i < 50; ++i) {
        round();
    }
    const long before = residentKiB();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 1000; ++i) {
        round();
    }
    const long after = residentKiB();
    EXPECT_EQ(window->findChildren<recibo::catalogue::SelectionDialog *>().size(), 1);
    EXPECT_EQ(errorDialogs().size(), 1);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory in quarantine, so resident size grows by design there;
    // LeakSanitizer checks for leaks in that build instead.
    (void)after;
#else
    EXPECT_LT(after - before, 1024) << before << " KiB before, " << after << " KiB after";
#endif
}

}  // namespace

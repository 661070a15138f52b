// The selection dialog "advertencia", opened from "Cargo" and driven with the mouse and keys.
#include "entry_fixture.h"

namespace {

const recibo::Position *rowAt(int row) { return recibo::builtInPeriod().positionAt(row); }

QString textOf(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

class SelectionDialogTest : public EntryTest {
protected:
    QString box(const char *name) { return dialogControl<QLineEdit>(name)->text(); }
    bool listoEnabled() { return dialogControl<QPushButton>("Command1")->isEnabled(); }

    void expectRow(int row)
    {
        const recibo::Position *p = rowAt(row);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(dialog()->selectedRow(), row);
        EXPECT_EQ(dialogControl<QComboBox>("cargox")->currentIndex(), row);
        EXPECT_EQ(dialogControl<QComboBox>("cargox")->currentText(), textOf(p->name));
        EXPECT_EQ(box("punbas"), textOf(p->basicPoints));
        EXPECT_EQ(box("compbas"), textOf(p->complementPoints));
        EXPECT_EQ(box("proljor"), textOf(p->extendedDayPoints));
        EXPECT_EQ(box("jorcom"), textOf(p->fullDayPoints));
        EXPECT_EQ(box("tardif"), textOf(p->taskPoints));
        EXPECT_TRUE(listoEnabled());
    }

    void expectNoRow(const QString &points)
    {
        EXPECT_EQ(dialog()->selectedRow(), -1);
        EXPECT_EQ(dialogControl<QComboBox>("cargox")->currentIndex(), -1);
        EXPECT_EQ(dialogControl<QComboBox>("cargox")->currentText(), QString());
        for (const char *name : {"punbas", "compbas", "proljor", "jorcom", "tardif"}) {
            EXPECT_EQ(box(name), points) << name;
        }
        EXPECT_FALSE(listoEnabled());
    }
};

TEST_F(SelectionDialogTest, IsNotBuiltUntilCargoIsChosen)
{
    EXPECT_EQ(dialog(), nullptr);
    click("horasmedio");
    EXPECT_EQ(dialog(), nullptr);
    click("cargo");
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());
}

TEST_F(SelectionDialogTest, FirstOpeningShowsZeroCodeAndEnabledListoWithoutBlocking)
{
    click("cargo");
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(dialog()->windowTitle(), QStringLiteral("Selección de cargo"));
    EXPECT_EQ(dialog()->size(), QSize(649, 436));
    EXPECT_FALSE(dialog()->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(box("codcargo"), QStringLiteral("0"));
    EXPECT_TRUE(listoEnabled());
    EXPECT_TRUE(dialogControl<QLineEdit>("punbas")->isReadOnly());
    EXPECT_FALSE(dialogControl<QLineEdit>("compbas")->isReadOnly());
    EXPECT_EQ(dialog()->selectedRow(), -1);
    EXPECT_EQ(dialogControl<QComboBox>("cargox")->currentText(), QString());
    for (const char *name : {"punbas", "compbas", "proljor", "jorcom", "tardif"}) {
        EXPECT_EQ(box(name), QString()) << name;
    }
    // The data-entry window stays usable while the dialog is open.
    type("docente", QStringLiteral("Perez Ana"));
    EXPECT_EQ(control<QLineEdit>("docente")->text(), QStringLiteral("Perez Ana"));
    EXPECT_TRUE(dialog()->isVisible());
}

TEST_F(SelectionDialogTest, CodeTypedDigitByDigitSelectsOnlyWithTheThirdDigit)
{
    chooseCode(QString());
    auto *code = dialogControl<QLineEdit>("codcargo");
    EXPECT_EQ(code->text(), QString());
    QTest::keyClick(code, Qt::Key_6);
    expectNoRow(QString());
    QTest::keyClick(code, Qt::Key_4);
    expectNoRow(QString());
    QTest::keyClick(code, Qt::Key_5);
    expectRow(2);
    EXPECT_EQ(dialogControl<QComboBox>("cargox")->currentText(), QStringLiteral("Asesor Pedag Proyecto 13"));
}

TEST_F(SelectionDialogTest, FirstRowCodeSelectsItsName)
{
    chooseCode(QStringLiteral("999"));
    expectRow(0);
    EXPECT_EQ(dialogControl<QComboBox>("cargox")->currentText(), QStringLiteral("Analista Princ Tec Doc"));
}

TEST_F(SelectionDialogTest, ACodeTypedWhenTheDialogOpensReplacesTheInitialZero)
{
    click("cargo");
    QTest::keyClicks(dialogControl<QLineEdit>("codcargo"), QStringLiteral("645"));
    EXPECT_EQ(box("codcargo"), QStringLiteral("645"));
    EXPECT_EQ(dialogControl<QComboBox>("cargox")->currentText(), QStringLiteral("Asesor Pedag Proyecto 13"));
}

TEST_F(SelectionDialogTest, CodesWithBlanksOrUnknownCodesMatchNothing)
{
    for (const char *typed : {" 645", "645 ", "000", "1000", "64a"}) {
        chooseCode(QString::fromLatin1(typed));
        expectNoRow(QString());
    }
}

TEST_F(SelectionDialogTest, DeletingOneDigitClearsTheSelection)
{
    chooseCode(QStringLiteral("734"));
    expectRow(rowOfCode("734"));
    QTest::keyClick(dialogControl<QLineEdit>("codcargo"), Qt::Key_Backspace);
    EXPECT_EQ(box("codcargo"), QStringLiteral("73"));
    expectNoRow(QString());
}

TEST_F(SelectionDialogTest, ClickIntoTheCodeBoxEmptiesIt)
{
    chooseCode(QStringLiteral("734"));
    clickInDialog("codcargo");
    EXPECT_EQ(box("codcargo"), QString());
    expectNoRow(QString());
}

TEST_F(SelectionDialogTest, EachAsistenteSocialEntryGivesItsOwnCode)
{
    std::vector<int> rows;
    const auto &all = recibo::builtInPeriod().positions;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].name == "Asistente Social") {
            rows.push_back(static_cast<int>(i));
        }
    }
    ASSERT_EQ(rows.size(), 2u);
    click("cargo");
    const struct {
        int row;
        const char *code;
    } picks[] = {{rows[0], "734"}, {rows[1], "928"}, {rows[0], "734"}};
    for (const auto &pick : picks) {
        pickName(pick.row);
        EXPECT_EQ(box("codcargo"), QString::fromLatin1(pick.code));
        expectRow(pick.row);
        EXPECT_EQ(box("punbas"), QStringLiteral("1500"));
        EXPECT_EQ(box("compbas"), QStringLiteral("101"));
        EXPECT_EQ(box("tardif"), QStringLiteral("150"));
        EXPECT_EQ(box("proljor"), QStringLiteral("0"));
        EXPECT_EQ(box("jorcom"), QStringLiteral("0"));
    }
}

TEST_F(SelectionDialogTest, KeyboardPickInTheChooserWritesTheCode)
{
    chooseCode(QStringLiteral("999"));
    auto *chooser = dialogControl<QComboBox>("cargox");
    chooser->setFocus();
    QTest::keyClick(chooser, Qt::Key_Down);
    EXPECT_EQ(box("codcargo"), textOf(rowAt(1)->code));
    expectRow(1);
}

TEST_F(SelectionDialogTest, TypingIntoTheChooserKeepsTheRowAndNamesThePosition)
{
    chooseCode(QStringLiteral("734"));
    auto *chooser = dialogControl<QComboBox>("cargox");
    chooser->lineEdit()->selectAll();
    // Even a whole name of another row is only text: it selects nothing, also when the box loses focus.
    QTest::keyClicks(chooser->lineEdit(), QStringLiteral("Asesores"));
    clickInDialog("compbas");
    EXPECT_EQ(dialog()->selectedRow(), rowOfCode("734"));
    EXPECT_EQ(box("codcargo"), QStringLiteral("734"));
    EXPECT_EQ(chooser->currentText(), QStringLiteral("Asesores"));
    clickInDialog("Command1");
    EXPECT_EQ(control<QLabel>("cargoselect")->text(), QStringLiteral("Asesores"));
    EXPECT_EQ(control<QLabel>("codcarval")->text(), QStringLiteral("734"));
}

TEST_F(SelectionDialogTest, ListoCopiesThePositionToTheSummaryAndTheReceipt)
{
    chooseCode(QStringLiteral("817"));
    QLineEdit *fullDay = dialogControl<QLineEdit>("jorcom");
    fullDay->selectAll();
    QTest::keyClicks(fullDay, QStringLiteral("800"));
    clickInDialog("Command1");

    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(control<QRadioButton>("cargo")->isChecked());
    const struct {
        const char *label;
        const char *text;
    } summary[] = {{"cargoselect", "Director 2da Anexo Albergue"}, {"codcarval", "817"}, {"puncarval", "1782"},
                   {"puncompbasval", "64"}, {"punproljorval", "0"}, {"punjorcomval", "800"}, {"puntardifval", "0"},
                   {"codcartit", "Código del cargo"}, {"puncartit", "Puntaje del cargo"},
                   {"puncompbastit", "Comp de Básico"}, {"punproljortit", "Puntos prol jorn"},
                   {"punjorcomtit", "Puntos Jor comp"}, {"puntardiftit", "Puntos tarea difer"}};
    for (const auto &s : summary) {
        auto *l = control<QLabel>(s.label);
        EXPECT_TRUE(l->isVisible()) << s.label;
        EXPECT_EQ(l->text(), QString::fromUtf8(s.text)) << s.label;
    }
    EXPECT_GE(control<QLabel>("cargoselect")->width(), control<QLabel>("cargoselect")->sizeHint().width());

    ASSERT_EQ(record.boxes.size(), 1u);
    const auto &b = record.boxes.back();
    EXPECT_EQ(b.numcargo, "817");
    EXPECT_EQ(b.punbasicos, "1782");
    EXPECT_EQ(b.compbas, "64");
    EXPECT_EQ(b.proljor, "0");
    EXPECT_EQ(b.jorcom, "800");
    EXPECT_EQ(b.tardif, "0");
    EXPECT_TRUE(record.shown.empty());
}

TEST_F(SelectionDialogTest, EnterPressesListoWhileItIsEnabled)
{
    chooseCode(QStringLiteral("73"));
    QTest::keyClick(dialogControl<QLineEdit>("codcargo"), Qt::Key_Return);
    EXPECT_TRUE(dialog()->isVisible());
    QTest::keyClick(dialogControl<QLineEdit>("codcargo"), Qt::Key_4);
    QTest::keyClick(dialogControl<QLineEdit>("codcargo"), Qt::Key_Return);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(control<QLabel>("codcarval")->text(), QStringLiteral("734"));
}

TEST_F(SelectionDialogTest, ListoWithTheInitialZeroAcceptsNothing)
{
    click("cargo");
    clickInDialog("Command1");
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_FALSE(control<QRadioButton>("cargo")->isChecked());
    EXPECT_TRUE(control<QLabel>("codcarval")->isVisible());
    EXPECT_EQ(control<QLabel>("codcarval")->text(), QStringLiteral("0"));
    EXPECT_EQ(control<QLabel>("puncarval")->text(), QString());
    ASSERT_EQ(record.boxes.size(), 1u);
    EXPECT_EQ(record.boxes.back().numcargo, "0");
    EXPECT_EQ(record.boxes.back().punbasicos, "");
}

TEST_F(SelectionDialogTest, SalirSinDatosThenReopenShowsZerosAndDisabledListo)
{
    chooseCode(QStringLiteral("734"));
    clickInDialog("Command1");
    click("cargo");
    clickInDialog("codcargo");
    QTest::keyClicks(dialogControl<QLineEdit>("codcargo"), QStringLiteral("999"));
    clickInDialog("Command2");

    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_FALSE(control<QRadioButton>("cargo")->isChecked());
    // The summary of the position accepted before stays as it was, and the receipt gets nothing.
    EXPECT_TRUE(control<QLabel>("cargoselect")->isVisible());
    EXPECT_EQ(control<QLabel>("codcarval")->text(), QStringLiteral("734"));
    EXPECT_EQ(record.boxes.size(), 1u);

    click("cargo");
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(box("codcargo"), QString());
    expectNoRow(QStringLiteral("0"));
}

TEST_F(SelectionDialogTest, ReopeningAfterAcceptingKeepsTheRow)
{
    chooseCode(QStringLiteral("650"));
    clickInDialog("Command1");
    ASSERT_TRUE(record.volver);
    record.volver();
    EXPECT_FALSE(control<QRadioButton>("cargo")->isChecked());
    click("cargo");
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(box("codcargo"), QStringLiteral("650"));
    expectRow(rowOfCode("650"));
}

TEST_F(SelectionDialogTest, EscLeavesWithoutData)
{
    chooseCode(QStringLiteral("734"));
    QTest::keyClick(dialogControl<QLineEdit>("codcargo"), Qt::Key_Escape);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_FALSE(control<QRadioButton>("cargo")->isChecked());
    click("cargo");
    expectNoRow(QStringLiteral("0"));
}

TEST_F(SelectionDialogTest, EveryCatalogueCodeTypedSelectsItsRow)
{
    click("cargo");
    auto *code = dialogControl<QLineEdit>("codcargo");
    const auto &all = recibo::builtInPeriod().positions;
    for (std::size_t i = 0; i < all.size(); ++i) {
        code->clear();
        QTest::keyClicks(code, textOf(all[i].code));
        ASSERT_EQ(dialog()->selectedRow(), static_cast<int>(i)) << all[i].code;
        ASSERT_EQ(dialogControl<QComboBox>("cargox")->currentText(), textOf(all[i].name));
        ASSERT_EQ(box("punbas"), textOf(all[i].basicPoints));
    }
}

TEST_F(SelectionDialogTest, ControlsCarryTheirCaptionsAndToolTips)
{
    click("cargo");
    const struct {
        const char *name;
        const char *text;
    } labels[] = {{"Label2", "Seleccione el cargo o el código del cargo"}, {"Label1", "Código del cargo"},
                  {"Label3", "Puntos básicos"}, {"Label8", "Comp básico"}, {"Label5", "Prol. de jornada"},
                  {"Label6", "Jorn. completa"}, {"Label7", "Tarea diferenc."}, {"Label4", "Cargo"}};
    for (const auto &l : labels) {
        EXPECT_EQ(dialogControl<QLabel>(l.name)->text(), QString::fromUtf8(l.text)) << l.name;
    }
    EXPECT_EQ(dialogControl<QPushButton>("Command1")->text(), QStringLiteral("Listo"));
    EXPECT_EQ(dialogControl<QPushButton>("Command2")->text(), QStringLiteral("Salir sin datos"));
    EXPECT_TRUE(dialogControl<QPushButton>("Command1")->isDefault());
    EXPECT_EQ(dialogControl<QComboBox>("cargox")->toolTip(), QStringLiteral("Seleccione el cargo"));
    EXPECT_EQ(dialogControl<QComboBox>("cargox")->count(), 311);
    EXPECT_EQ(dialogControl<QComboBox>("cargox")->itemData(310).toInt(), 311);
    EXPECT_TRUE(dialogControl<QLineEdit>("codcargo")->toolTip().startsWith(QStringLiteral("Escriba el código")));
    for (const char *name : {"punbas", "compbas", "proljor", "jorcom", "tardif"}) {
        EXPECT_EQ(dialogControl<QLineEdit>(name)->toolTip(), QStringLiteral("Se selecciona automáticamente")) << name;
        EXPECT_FALSE(dialogControl<QLineEdit>(name)->accessibleName().isEmpty()) << name;
    }
}

}  // namespace

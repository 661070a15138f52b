// With more than one period the teacher picks it where "Período" stands; the window then shows that
// period's brackets, zones and positions and computes with it. Period files with problems are left
// out and said once.

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include <string>

#include "entry_fixture.h"
#include "period_reader.h"

namespace {

using recibo::Period;

// The built-in file with each (from, to) replaced once.
std::string editedPeriodText(std::initializer_list<std::pair<std::string, std::string>> edits)
{
    std::string text(recibo::builtInPeriodText());
    for (const auto &[from, to] : edits) {
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos)
            text.replace(at, from.size(), to);
    }
    return text;
}

// April: another name and date, the fourth bracket paying 35 %, the second zone renamed, the hour
// point worth 0.60 and position 734 with 1600 basic points.
Period april()
{
    const recibo::PeriodReading reading = recibo::readPeriod(editedPeriodText({
        {"nombre = \"Marzo de 2.008\"", "nombre = \"Abril de 2.008\""},
        {"desde = 2008-03-01", "desde = 2008-04-01"},
        {"{ nombre = \"Entre 5 y 7 años\",   porcentaje =  30 }", "{ nombre = \"Entre 5 y 8 años\",   porcentaje =  35 }"},
        {"\"Alejada radio urbano\"", "\"Alejada del radio urbano\""},
        {"valor_punto = { valor = 0.59,", "valor_punto = { valor = 0.6,"},
        {"{ codigo = 734, basicos = 1500,", "{ codigo = 734, basicos = 1600,"},
    }));
    EXPECT_TRUE(reading.problems.empty());
    return reading.period.value_or(Period());
}

class PeriodChoiceTest : public EntryTest {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
        offer.periods = {&other, &recibo::builtInPeriod()};
        window = std::make_unique<recibo::entry::IngresoWindow>(
            offer, [this] { return std::make_unique<FakeReceipt>(record); }, [this] { ++quits; });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // The period list opened with the keyboard and an entry chosen with the arrows and Enter.
    void choosePeriod(int steps, Qt::Key arrow)
    {
        auto *chooser = control<QComboBox>("Text3");
        chooser->setFocus();
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(chooser, arrow);
    }

    const Period other = april();
    recibo::entry::PeriodOffer offer;
};

TEST_F(PeriodChoiceTest, TheBuiltInPeriodIsChosenAmongTheNewestFirst)
{
    auto *chooser = control<QComboBox>("Text3");
    ASSERT_EQ(chooser->count(), 2);
    EXPECT_EQ(chooser->itemText(0), QStringLiteral("Abril de 2.008"));
    EXPECT_EQ(chooser->currentText(), QStringLiteral("Marzo de 2.008"));
    EXPECT_EQ(chooser->accessibleName(), QStringLiteral("Período"));
    EXPECT_EQ(&window->period(), &recibo::builtInPeriod());
}

TEST_F(PeriodChoiceTest, AnotherPeriodShowsItsBracketsZonesAndScales)
{
    click("Option4");
    EXPECT_EQ(control<QLineEdit>("porcantig")->text(), QStringLiteral("30 %"));
    choosePeriod(1, Qt::Key_Up);
    EXPECT_EQ(&window->period(), &other);
    EXPECT_EQ(control<QRadioButton>("Option4")->text(), QStringLiteral("Entre 5 y 8 años"));
    EXPECT_TRUE(control<QRadioButton>("Option4")->isChecked());
    EXPECT_EQ(control<QLineEdit>("porcantig")->text(), QStringLiteral("35 %"));
    EXPECT_EQ(window->snapshot().pctantig, 35);
    EXPECT_EQ(control<QComboBox>("zona")->itemText(1), QStringLiteral("Alejada del radio urbano"));
    EXPECT_EQ(control<QLabel>("Label8")->text(), QStringLiteral("Escalas salariales de abril de 2.008"));

    choosePeriod(1, Qt::Key_Down);
    EXPECT_EQ(control<QLineEdit>("porcantig")->text(), QStringLiteral("30 %"));
    EXPECT_EQ(control<QLabel>("Label8")->text(), QStringLiteral("Escalas salariales de marzo de 2008"));
}

TEST_F(PeriodChoiceTest, CalcularPaysTheChosenPeriodsRatesAndNamesIt)
{
    click("horasmedio");
    type("numerohorasmed", QStringLiteral("10"));
    click("Command1");
    choosePeriod(1, Qt::Key_Up);
    click("Command1");
    ASSERT_EQ(record.shown.size(), 2u);
    // 10 hours of 64.7 points: 647 × 0.59 = 381.73 in March, 647 × 0.6 = 388.2 in April.
    EXPECT_EQ(record.shown[0].rows[0].amount, "$381,73");
    EXPECT_EQ(record.shown[1].rows[0].amount, "$388,2");
    EXPECT_EQ(record.periodName, "Abril de 2.008");
}

TEST_F(PeriodChoiceTest, TheSelectionDialogListsTheChosenPeriodsPositions)
{
    chooseCode(QStringLiteral("734"));
    clickInDialog("Command1");
    EXPECT_EQ(control<QLabel>("puncarval")->text(), QStringLiteral("1500"));
    choosePeriod(1, Qt::Key_Up);
    EXPECT_EQ(dialogControl<QLineEdit>("punbas")->text(), QStringLiteral("1600"));
    EXPECT_EQ(control<QLabel>("puncarval")->text(), QStringLiteral("1600"));
    EXPECT_EQ(window->snapshot().punbas, "1600");
}

TEST(PeriodLibrary, FilesWithProblemsAreLeftOutAndSaid)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto write = [&folder](const char *name, const std::string &bytes) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    };
    write("2008-03.toml", std::string(recibo::builtInPeriodText()));
    write("2008-04.toml", editedPeriodText({{"nombre = \"Marzo de 2.008\"", "nombre = \"Abril de 2.008\""},
                                            {"desde = 2008-03-01", "desde = 2008-04-01"}}));
    write("roto.toml", editedPeriodText({{"valor = 0.71", "valor = -1"}}));
    write("otro-marzo.toml", editedPeriodText({{"valor = 0.71", "valor = 0.72"}}));

    const recibo::entry::PeriodLibrary library({folder.path(), folder.filePath(QStringLiteral("nada"))}, QString());
    const recibo::entry::PeriodOffer &offer = library.offer();
    ASSERT_EQ(offer.periods.size(), 2u);
    EXPECT_EQ(offer.periods[0]->name, "Abril de 2.008");
    EXPECT_EQ(offer.periods[1], &recibo::builtInPeriod());
    ASSERT_EQ(offer.leftOut.size(), 2);
    EXPECT_EQ(offer.leftOut[0].toStdString(),
              "otro-marzo.toml, clave «nombre»: ya se ofrece otro período llamado «Marzo de 2.008».");
    EXPECT_EQ(offer.leftOut[1].toStdString(),
              "roto.toml, línea 13, clave «cargo.valor_punto_jornada.valor»: no puede ser negativo.");
}

TEST_F(EntryTest, OnePeriodLooksAsAlways)
{
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), QStringLiteral("Marzo de 2.008"));
    EXPECT_TRUE(control<QLineEdit>("Text3")->isReadOnly());
    EXPECT_EQ(window->findChildren<QMessageBox *>(QStringLiteral("periodosOmitidos")).size(), 0);
}

TEST(PeriodOffer, TheFilesLeftOutAreSaidOnceWhenTheWindowShows)
{
    recibo::entry::PeriodOffer offer = recibo::entry::builtInOffer();
    offer.leftOut = {QStringLiteral("roto.toml, línea 13: no puede ser negativo.")};
    ReceiptRecord record;
    recibo::entry::IngresoWindow window(offer, [&record] { return std::make_unique<FakeReceipt>(record); }, [] {});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    const auto messages = window.findChildren<QMessageBox *>(QStringLiteral("periodosOmitidos"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0]->isVisible());
    EXPECT_TRUE(messages[0]->informativeText().contains(QStringLiteral("roto.toml, línea 13")));
    window.hide();
    window.show();
    QTest::qWait(50);
    EXPECT_EQ(window.findChildren<QMessageBox *>(QStringLiteral("periodosOmitidos")).size(), 1);
}

}  // namespace

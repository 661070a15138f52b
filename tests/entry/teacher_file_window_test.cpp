// The teacher's file from the data-entry window: saved and opened, the title naming it and marking
// unsaved changes, bad files and failed saves answered with the entries unchanged, and what is kept
// between runs.

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "entry_fixture.h"
#include "kept_settings.h"

namespace {

using recibo::Snapshot;

class TeacherFileWindowTest : public EntryTest {
protected:
    QString path(const char *name) const { return folder.filePath(QString::fromUtf8(name)); }

    void fillSomeEntries()
    {
        control<QLineEdit>("docente")->setText(QStringLiteral("Pérez, Ana"));
        click("horasmedio");
        type("numerohorasmed", QStringLiteral("12"));
        click("Option4");
        click("conyuge");
    }

    QMessageBox *fileMessage() { return window->findChild<QMessageBox *>(QStringLiteral("mensajeArchivo")); }

    // Answers the question about unsaved changes, when it comes, with the button of that text.
    void answerWith(const QString &button)
    {
        QTimer::singleShot(0, [this, button] {
            auto *question = window->findChild<QMessageBox *>(QStringLiteral("guardarCambios"));
            ASSERT_NE(question, nullptr);
            for (QAbstractButton *b : question->buttons())
                if (b->text() == button)
                    b->click();
        });
    }

    QTemporaryDir folder;
};

TEST_F(TeacherFileWindowTest, TheTitleNamesTheFileAndMarksUnsavedChanges)
{
    fillSomeEntries();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ingreso de datos"));
    ASSERT_TRUE(window->saveFile(path("perez-ana.recibo")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ingreso de datos — perez-ana.recibo"));
    type("numerohorasmed", QStringLiteral("14"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ingreso de datos — perez-ana.recibo*"));
    type("numerohorasmed", QStringLiteral("12"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ingreso de datos — perez-ana.recibo"));
    click("Option5");
    ASSERT_TRUE(window->saveFile(path("perez-ana.recibo")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ingreso de datos — perez-ana.recibo"));
}

TEST_F(TeacherFileWindowTest, AnOpenedFileShowsItsEntriesAsTyped)
{
    fillSomeEntries();
    const Snapshot saved = window->snapshot();
    recibo::Slip typed;
    typed.rows = {{"001", {"$ 885,00"}}, {"188", {"72,3x"}}};
    record.slip = typed;
    record.commentText = "Preguntar por el 188.";
    ASSERT_TRUE(window->saveFile(path("perez-ana.recibo")));
    record.slip = recibo::Slip();
    record.commentText.clear();
    click("cargo");
    chooseCode(QStringLiteral("734"));
    clickInDialog("Command1");
    type("docente", QStringLiteral("Otro"));

    ASSERT_TRUE(window->openFile(path("perez-ana.recibo")));
    const Snapshot opened = window->snapshot();
    EXPECT_EQ(opened.docente, saved.docente);
    EXPECT_EQ(opened.category, recibo::Category::HorasMedio);
    EXPECT_EQ(opened.numerohorasmed, "12");
    EXPECT_EQ(opened.porcantig, "30 %");
    EXPECT_TRUE(opened.conyuge);
    EXPECT_TRUE(control<QLineEdit>("numerohorasmed")->isVisible());
    EXPECT_FALSE(control<QLabel>("cargoselect")->isVisible());
    EXPECT_EQ(record.slip, typed) << "the typed slip comes back as typed, unreadable amount included";
    EXPECT_EQ(record.commentText, "Preguntar por el 188.");
}

TEST_F(TeacherFileWindowTest, ABadFileIsAnsweredAndChangesNothing)
{
    fillSomeEntries();
    const Snapshot before = window->snapshot();
    QFile broken(path("roto.recibo"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"version\": 1,");
    broken.close();
    QDir(folder.path()).mkdir(QStringLiteral("carpeta.recibo"));

    struct Case {
        const char *file;
        const char *said;
    };
    for (const Case &c : {Case{"roto.recibo", "No se pudo abrir el archivo: roto.recibo, línea 1: no es JSON válido."},
                          Case{"nada.recibo", "No se pudo abrir «nada.recibo»: el archivo no existe."},
                          Case{"carpeta.recibo", "No se pudo abrir «carpeta.recibo»: es una carpeta."}}) {
        EXPECT_FALSE(window->openFile(path(c.file)));
        ASSERT_NE(fileMessage(), nullptr);
        EXPECT_EQ(fileMessage()->text(), QString::fromUtf8(c.said));
        const Snapshot after = window->snapshot();
        EXPECT_EQ(after.docente, before.docente);
        EXPECT_EQ(after.numerohorasmed, before.numerohorasmed);
        EXPECT_EQ(after.category, before.category);
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ingreso de datos"));
}

TEST_F(TeacherFileWindowTest, AFailedSaveSaysSoAndLeavesTheFileAsItWas)
{
    fillSomeEntries();
    ASSERT_TRUE(window->saveFile(path("perez-ana.recibo")));
    QFile saved(path("perez-ana.recibo"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();
    control<QLineEdit>("docente")->setText(QStringLiteral("Pérez, Ana María"));
    // A file cannot be written inside a file.
    EXPECT_FALSE(window->saveFile(path("perez-ana.recibo/copia.recibo")));
    ASSERT_NE(fileMessage(), nullptr);
    EXPECT_TRUE(fileMessage()->text().startsWith(QStringLiteral("No se pudo guardar «copia.recibo»:")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), before);
    EXPECT_EQ(control<QLineEdit>("docente")->text(), QStringLiteral("Pérez, Ana María"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ingreso de datos — perez-ana.recibo*"));
}

TEST_F(TeacherFileWindowTest, SalirAsksOnlyAboutUnsavedChangesToAnOpenedFile)
{
    click("Command2");
    EXPECT_EQ(quits, 1) << "nothing opened: nothing asked";
    fillSomeEntries();
    ASSERT_TRUE(window->saveFile(path("perez-ana.recibo")));
    click("Command2");
    EXPECT_EQ(quits, 2) << "nothing unsaved: nothing asked";
    control<QLineEdit>("docente")->setText(QStringLiteral("Pérez, Ana María"));
    answerWith(QStringLiteral("Cancelar"));
    click("Command2");
    EXPECT_EQ(quits, 2);
    answerWith(QStringLiteral("Guardar"));
    click("Command2");
    EXPECT_EQ(quits, 3);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ingreso de datos — perez-ana.recibo"));
}

TEST_F(TeacherFileWindowTest, NuevoGoesBackToTheStartValues)
{
    fillSomeEntries();
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    const Snapshot now = window->snapshot();
    const Snapshot start;
    EXPECT_EQ(now.docente, start.docente);
    EXPECT_EQ(now.category, recibo::Category::None);
    EXPECT_EQ(now.seniorityOption, 0);
    EXPECT_EQ(now.conyuge, start.conyuge);
    EXPECT_FALSE(control<QLineEdit>("numerohorasmed")->isVisible());
}

TEST_F(TeacherFileWindowTest, TheEntriesAreThereAgainAtTheNextStart)
{
    recibo::entry::KeptSettings kept(path("config/recibo-haberes.conf"));
    window->keepIn(kept);
    fillSomeEntries();
    ASSERT_TRUE(window->saveFile(path("perez-ana.recibo")));
    type("numerohorasmed", QStringLiteral("15"));
    answerWith(QStringLiteral("No guardar"));
    click("Command2");
    ASSERT_EQ(quits, 1);

    recibo::entry::IngresoWindow next([this] { return std::make_unique<FakeReceipt>(record); }, [] {});
    next.keepIn(kept);
    EXPECT_EQ(next.snapshot().docente, "Pérez, Ana");
    EXPECT_EQ(next.snapshot().numerohorasmed, "15");
    EXPECT_EQ(next.windowTitle(), QStringLiteral("Ingreso de datos — perez-ana.recibo*"));
}

TEST_F(TeacherFileWindowTest, ADamagedConfigurationIsSetAsideAndSaidOnce)
{
    const QString config = path("recibo-haberes.conf");
    QFile damaged(config);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("[General]\nentradas=\"{\\\"version\\\": 1, \\\"period\\\": \"\n");
    damaged.close();
    recibo::entry::KeptSettings kept(config);

    recibo::entry::IngresoWindow next([this] { return std::make_unique<FakeReceipt>(record); }, [] {});
    next.keepIn(kept);
    EXPECT_FALSE(QFile::exists(config));
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("recibo-haberes.conf.dañado-*")}).size(), 1);
    EXPECT_EQ(next.snapshot().docente, "");
    next.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&next));
    QTest::qWait(50);
    const auto *message = next.findChild<QMessageBox *>(QStringLiteral("mensajeArchivo"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().startsWith(QStringLiteral("La configuración guardada no se pudo leer")));
}

}  // namespace

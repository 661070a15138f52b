// The file the print dialog proposes for a receipt: its name made safe from the teacher's, the
// folder it goes in, and accepting it as offered.
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "receipt_printing.h"
#include "window_fixture.h"

namespace recibo::receipt::testing {
namespace {

// File systems allow this many bytes in one file name.
constexpr qsizetype kMaxFileNameBytes = 255;

struct NameCase {
    const char *label;
    QString docente;
    QString expected;
};

void PrintTo(const NameCase &c, std::ostream *out) { *out << c.label; }

class ReceiptFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ReceiptFileNameTest, IsTheReceiptsNameMadeSafe)
{
    const QString name = receiptFileName(GetParam().docente);
    EXPECT_EQ(name, GetParam().expected);
    EXPECT_LE(name.toUtf8().size(), kMaxFileNameBytes);
}

QString within(const QString &name) { return QStringLiteral("Recibo de haberes - %1 - Marzo 2008.pdf").arg(name); }
const QString kWithoutName = QStringLiteral("Recibo de haberes - Marzo 2008.pdf");

INSTANTIATE_TEST_SUITE_P(
    Names, ReceiptFileNameTest,
    ::testing::Values(
        NameCase{"empty", QString(), kWithoutName},
        NameCase{"only_blanks", QStringLiteral("  \t "), kWithoutName},
        NameCase{"only_forbidden", QStringLiteral("//:*?"), kWithoutName},
        NameCase{"accents_kept", QStringLiteral("Ana María Pérez Núñez"), within(QStringLiteral("Ana María Pérez Núñez"))},
        NameCase{"blanks_trimmed", QStringLiteral("  García,  Luis  "), within(QStringLiteral("García, Luis"))},
        NameCase{"slashes", QStringLiteral("Pérez/Gómez\\Ruiz"), within(QStringLiteral("Pérez Gómez Ruiz"))},
        NameCase{"colon_and_marks", QStringLiteral("Ana: ¿María? *Luz* <Sol> |Paz|"),
                 within(QStringLiteral("Ana ¿María Luz Sol Paz"))},
        NameCase{"quotes", QStringLiteral("Juan \"Pepe\" O'Brien"), within(QStringLiteral("Juan Pepe O'Brien"))},
        NameCase{"line_ends", QStringLiteral("Ana\r\nMaría\tPérez"), within(QStringLiteral("Ana María Pérez"))},
        NameCase{"very_long", QString(100, u'x'), within(QString(64, u'x'))},
        NameCase{"cut_before_a_blank", QString(63, u'a') + QStringLiteral(" bcd"), within(QString(63, u'a'))},
        NameCase{"three_byte_letters", QString(100, QChar(0x540D)), within(QString(64, QChar(0x540D)))},
        NameCase{"no_half_letter", QString(63, u'a') + QStringLiteral("\U0001F600b"), within(QString(63, u'a'))}),
    [](const ::testing::TestParamInfo<NameCase> &info) { return std::string(info.param.label); });

// Points HOME and the XDG configuration at a folder of the test's own, and puts them back afterwards.
class HomeFolder {
public:
    HomeFolder() : home_(qgetenv("HOME")), config_(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", dir_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral(".config")).toUtf8());
    }
    ~HomeFolder()
    {
        qputenv("HOME", home_);
        config_.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config_);
    }
    HomeFolder(const HomeFolder &) = delete;
    HomeFolder &operator=(const HomeFolder &) = delete;

    QString path(const QString &name = QString()) const { return name.isEmpty() ? dir_.path() : dir_.filePath(name); }
    void makeFolder(const QString &name) const { ASSERT_TRUE(QDir(dir_.path()).mkpath(name)); }
    // The desktop's names for the user's folders.
    void writeUserDirs(const QByteArray &lines) const
    {
        makeFolder(QStringLiteral(".config"));
        QFile file(path(QStringLiteral(".config/user-dirs.dirs")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines);
    }

private:
    QTemporaryDir dir_;
    QByteArray home_;
    QByteArray config_;
};

struct FolderCase {
    const char *label;
    const char *userDirs;  // nullptr: no user-dirs.dirs
    const char *made;      // folder created in the home folder, or nullptr
    const char *expected;  // folder expected, in the home folder ("" for the home folder itself)
};

void PrintTo(const FolderCase &c, std::ostream *out) { *out << c.label; }

class DocumentsFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(DocumentsFolderTest, IsTheDesktopsDocumentsFolderOrElseHome)
{
    const HomeFolder home;
    if (GetParam().userDirs != nullptr) {
        home.writeUserDirs(GetParam().userDirs);
    }
    if (GetParam().made != nullptr) {
        home.makeFolder(QLatin1String(GetParam().made));
    }
    EXPECT_EQ(QDir(documentsFolder()), QDir(home.path(QLatin1String(GetParam().expected))));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, DocumentsFolderTest,
    ::testing::Values(FolderCase{"none", nullptr, nullptr, ""},
                      FolderCase{"Documents", nullptr, "Documents", "Documents"},
                      FolderCase{"named_by_the_desktop", "XDG_DOCUMENTS_DIR=\"$HOME/Documentos\"\n", "Documentos",
                                 "Documentos"},
                      FolderCase{"named_but_missing", "XDG_DOCUMENTS_DIR=\"$HOME/Documentos\"\n", nullptr, ""}),
    [](const ::testing::TestParamInfo<FolderCase> &info) { return std::string(info.param.label); });

TEST(ProposeReceiptFile, OffersTheReceiptsFileInTheLastFolderUsedOrElseInDocuments)
{
    const HomeFolder home;
    home.makeFolder(QStringLiteral("Documents"));
    home.makeFolder(QStringLiteral("recibos"));
    const QString file = QStringLiteral("Recibo de haberes - Ana Pérez - Marzo 2008.pdf");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);

    proposeReceiptFile(printer, QStringLiteral("Ana Pérez"));
    EXPECT_EQ(printer.outputFileName(), home.path(QStringLiteral("Documents/")) + file);
    EXPECT_EQ(printer.docName(), QStringLiteral("Recibo de haberes - Ana Pérez - Marzo 2008"));

    printer.setOutputFileName(home.path(QStringLiteral("recibos/otro.pdf")));
    proposeReceiptFile(printer, QStringLiteral("Ana Pérez"));
    EXPECT_EQ(printer.outputFileName(), home.path(QStringLiteral("recibos/")) + file);

    printer.setOutputFileName(home.path(QStringLiteral("borrada/otro.pdf")));
    proposeReceiptFile(printer, QStringLiteral("Ana Pérez"));
    EXPECT_EQ(printer.outputFileName(), home.path(QStringLiteral("Documents/")) + file);
}

// "Imprimir", then the dialog's own accept button, as a user does it: the file offered is written
// without any message (a folder offered instead of a file was refused with one).
TEST_F(ReceiptWindowTest, AcceptingTheOfferedFileWritesTheReceiptThere)
{
    const HomeFolder home;
    home.makeFolder(QStringLiteral("Documents"));
    window->printer().setOutputFormat(QPrinter::PdfFormat);  // as on a machine without printers
    window->showReceipt(samples::firstRows(6));
    QTest::mouseClick(find<QPushButton>("Imprimir"), Qt::LeftButton);
    auto *dialog = window->findChild<QPrintDialog *>("printDialog");
    ASSERT_NE(dialog, nullptr);
    QDialogButtonBox *buttons = dialog->findChild<QDialogButtonBox *>();
    ASSERT_NE(buttons, nullptr);

    QString message;  // a message box would wait for the user: note it and close it
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&message] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->reject();
        }
    });
    closer.start(50);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    closer.stop();

    EXPECT_TRUE(message.isEmpty()) << message.toStdString();
    const QString file = home.path(QStringLiteral("Documents/Recibo de haberes - Ana María Pérez - Marzo 2008.pdf"));
    ASSERT_TRUE(QFile::exists(file));
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    if (!pdfinfo.isEmpty()) {
        QProcess info;
        info.start(pdfinfo, {file});
        ASSERT_TRUE(info.waitForFinished());
        EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                        .contains(QStringLiteral("Recibo de haberes - Ana María Pérez - Marzo 2008")));
    }
}

}  // namespace
}  // namespace recibo::receipt::testing

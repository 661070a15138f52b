// A receipt printed to a PDF file, as "Imprimir" writes it: a small file of lines and text in which
// the name, every amount and the totals can be searched, holding only what the window shows.
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "computed_cases.h"
#include "window_fixture.h"

namespace recibo::receipt::testing {
namespace {

// A picture of the window at printer resolution took megabytes; lines and text take a few dozen kB.
constexpr qint64 kMaxPdfBytes = 200 * 1024;
// Tall enough for the largest receipt's last totals rule, with the frame at its design top.
constexpr int kTallWindowHeight = 760;

struct PdfCase {
    const char *file;  // golden case in tests/calc/cases
    bool tallWindow;   // the window made taller than its design height, to show every row
};

void PrintTo(const PdfCase &c, std::ostream *out) { *out << c.file << (c.tallWindow ? " tall" : ""); }

class PdfTextTest : public ReceiptWindowTest, public ::testing::WithParamInterface<PdfCase> {
protected:
    void SetUp() override
    {
        ReceiptWindowTest::SetUp();
        pdftotext = QStandardPaths::findExecutable("pdftotext");
        ASSERT_TRUE(dir.isValid());
    }

    // Prints the window to a PDF file as the print dialog hands it over, and returns the file.
    QString print()
    {
        const QString file = dir.filePath(QStringLiteral("recibo.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
        EXPECT_TRUE(window->printReceipt(&printer));
        return file;
    }

    // The text of the file in the order it was drawn, every run of blanks and line ends made one blank.
    QString textOf(const QString &pdf) const
    {
        QProcess process;
        process.start(pdftotext, {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished());
        return QString::fromUtf8(process.readAllStandardOutput()).simplified();
    }

    QTemporaryDir dir;
    QString pdftotext;
};

#define REQUIRE_PDFTOTEXT()                                        \
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed"

TEST_P(PdfTextTest, TheFileIsSmallAndItsNameAmountsAndTotalsCanBeFound)
{
    REQUIRE_PDFTOTEXT();
    const Receipt receipt = computedCase(GetParam().file);
    ASSERT_GT(receipt.rowCount, 0u);
    if (GetParam().tallWindow) {
        window->resize(window->width(), kTallWindowHeight);
    }
    window->showReceipt(receipt);
    const QString file = print();
    EXPECT_LT(QFileInfo(file).size(), kMaxPdfBytes);

    const QString text = textOf(file);
    EXPECT_TRUE(text.contains(QStringLiteral("Liquido a pagar"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(receipt.docente).simplified())) << receipt.docente;
    for (std::size_t i = 0; i < receipt.rowCount; ++i) {
        EXPECT_TRUE(text.contains(qs(receipt.rows[i].description))) << i;
        EXPECT_TRUE(text.contains(QString::fromStdString(receipt.rows[i].amount))) << receipt.rows[i].amount;
    }
    for (const std::string &total : {receipt.totals.thaberes, receipt.totals.tdescuentos, receipt.totals.liquido}) {
        EXPECT_TRUE(text.contains(QString::fromStdString(total))) << total;
    }
}

INSTANTIATE_TEST_SUITE_P(GoldenCases, PdfTextTest,
                         ::testing::Values(PdfCase{"position_734_rows_001_002_016.json", false},
                                           PdfCase{"hours_medio_12.json", false},
                                           PdfCase{"largest_receipt_comma.json", true}),
                         [](const ::testing::TestParamInfo<PdfCase> &info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST_F(PdfTextTest, RowsAndTotalsBelowTheWindowAreLeftOffThePage)
{
    REQUIRE_PDFTOTEXT();
    const Receipt receipt = computedCase("largest_receipt.json");
    ASSERT_EQ(receipt.rowCount, kRowSlots - 1);
    window->showReceipt(receipt);
    window->resize(window->width(), ui::px(kClientHeight));  // sized by the teacher: ends above the last row
    const QString text = textOf(print());
    EXPECT_TRUE(text.contains(qs(receipt.rows[0].description)));
    EXPECT_FALSE(text.contains(qs(receipt.rows[receipt.rowCount - 1].description))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Liquido a pagar")));
}

}  // namespace
}  // namespace recibo::receipt::testing

// Printing the receipt: the page shows the window on white with the "TOVIL" column and without
// buttons or notes, the window comes back as it was, and a failure is told to the user.
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "window_fixture.h"

namespace recibo::receipt::testing {
namespace {

using ui::px;
using ui::rectOf;

// Page pictures are rendered this wide, so one window pixel is about two page pixels.
constexpr int kPageWidth = 1584;

void pdfPrinter(QPrinter &printer, const QString &file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
}

class PrintTest : public ReceiptWindowTest {
protected:
    void SetUp() override
    {
        ReceiptWindowTest::SetUp();
        pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        ASSERT_TRUE(dir.isValid());
    }

    QString pdfPath(const char *name) const { return dir.filePath(QLatin1String(name)); }

    // Prints the window to a PDF file and returns its first page as a picture.
    QImage printPage(const char *name)
    {
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, pdfPath(name));
        EXPECT_TRUE(window->printReceipt(&printer));
        return rasterise(pdfPath(name));
    }

    QImage rasterise(const QString &pdf) const
    {
        const QString prefix = pdf + QStringLiteral("-page");
        const int status = QProcess::execute(pdftoppm, {"-png", "-singlefile", "-scale-to-x", QString::number(kPageWidth),
                                                        "-scale-to-y", "-1", pdf, prefix});
        EXPECT_EQ(status, 0);
        return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    }

    // A rectangle of the window, in the page picture, shrunk by a pixel or two against rounding.
    QRect onPage(const QImage &page, QRect windowRect) const
    {
        const double k = static_cast<double>(page.width()) / window->width();
        const QRect mapped(qRound(windowRect.x() * k), qRound(windowRect.y() * k),
                           qRound(windowRect.width() * k), qRound(windowRect.height() * k));
        return mapped.adjusted(2, 2, -2, -2);
    }

    static int countPixels(const QImage &page, QRect area, const std::function<bool(QColor)> &test)
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                count += test(page.pixelColor(x, y)) ? 1 : 0;
            }
        }
        return count;
    }
    static bool white(QColor c) { return c.red() >= 250 && c.green() >= 250 && c.blue() >= 250; }
    static bool grey(QColor c) { return std::abs(c.red() - c.green()) <= 8 && std::abs(c.green() - c.blue()) <= 8; }
    // The window's teal, the frame's cyans and the buttons' colours all have little red and much green and blue.
    static bool cyanish(QColor c) { return c.red() < 0xA0 && c.green() > 0xB0 && c.blue() > 0xB0; }

    QTemporaryDir dir;
    QString pdftoppm;
};

#define REQUIRE_PDFTOPPM()                                         \
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm is not installed"

TEST_F(PrintTest, ThePageIsOnWhiteWithTheTovilColumnAndWithoutButtonsOrNotes)
{
    REQUIRE_PDFTOPPM();
    window->showReceipt(samples::firstRows(10));
    const QImage page = printPage("receipt.pdf");
    ASSERT_FALSE(page.isNull());
    ASSERT_EQ(page.width(), kPageWidth);

    // No colour of the window survives anywhere on the page.
    EXPECT_EQ(countPixels(page, page.rect(), cyanish), 0);
    // Window background: the margin left of the column, and between the header and the buttons.
    const QRect margin(0, 0, px(110), window->height());
    EXPECT_EQ(countPixels(page, onPage(page, margin), [](QColor c) { return !white(c); }), 0);
    const QRect gap(px(9300), px(3000), px(370), px(4600));
    EXPECT_EQ(countPixels(page, onPage(page, gap), [](QColor c) { return !white(c); }), 0);
    // Frame background: right of its right border.
    const QRect frameEdge(px(840 + 6620), px(800), px(180), px(6000));
    EXPECT_EQ(countPixels(page, onPage(page, frameEdge), [](QColor c) { return !white(c); }), 0);

    for (const char *name : {"Volver", "Imprimir", "Salir", "explicar", "comparar", "Text1", "Text11"}) {
        const QRect place = onPage(page, find(name)->geometry());
        EXPECT_EQ(countPixels(page, place, [](QColor c) { return !white(c); }), 0) << name;
    }

    // The column: dark grey letters in Text4, only light grey ones in Text3.
    const QRect text4 = onPage(page, rectOf(120, 1800, 615, 255));
    EXPECT_GT(countPixels(page, text4, [](QColor c) { return grey(c) && c.red() < 0x90; }), 20);
    const QRect text3 = onPage(page, rectOf(120, 360, 615, 255));
    EXPECT_GT(countPixels(page, text3, [](QColor c) { return !white(c); }), 20);
    EXPECT_EQ(countPixels(page, text3, [](QColor c) { return c.red() < 0xC8; }), 0);

    // And the receipt itself is there: the top rule and the teacher's name.
    const QRect topRule = onPage(page, QRect(px(840 + 400), px(735), px(6000), 1).adjusted(0, -2, 0, 2));
    EXPECT_GT(countPixels(page, topRule, [](QColor c) { return c.red() < 0x40; }), topRule.width());
    const QRect name = onPage(page, rectOf(840 + 3030, 210, 2000, 375));
    EXPECT_GT(countPixels(page, name, [](QColor c) { return c.red() < 0x80; }), 20);
}

TEST_F(PrintTest, PrintingRestoresTheWindowWithTheFrameInCyan)
{
    window->showReceipt(samples::firstRows(10));
    EXPECT_EQ(find("sosten")->palette().color(QPalette::Window), ui::colorOf(0x00FFFFC0));
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, pdfPath("restore.pdf"));
    ASSERT_TRUE(window->printReceipt(&printer));

    for (const char *name : {"Volver", "Imprimir", "Salir", "explicar", "comparar", "Text1", "Text11", "Text10", "Text12"}) {
        EXPECT_TRUE(find(name)->isVisible()) << name;
    }
    for (int i = 2; i <= 9; ++i) {
        EXPECT_FALSE(find(QStringLiteral("Text%1").arg(i))->isVisible()) << i;
    }
    EXPECT_EQ(find("sosten")->palette().color(QPalette::Window), ui::colorOf(0x00FFFF00));
    EXPECT_EQ(window->palette().color(QPalette::Window), ui::colorOf(0x00C0C000));
    // Painted, too: the left margin is teal again and the frame cyan.
    const QImage shown = window->grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    EXPECT_EQ(shown.pixelColor(QPoint(qRound(4 * ratio), qRound(400 * ratio))), QColor(0x00, 0xC0, 0xC0));
    EXPECT_EQ(shown.pixelColor(QPoint(qRound(px(840 + 6700) * ratio), qRound(px(3000) * ratio))),
              QColor(0x00, 0xFF, 0xFF));
}

TEST_F(PrintTest, PrintingTwiceGivesTheSamePage)
{
    REQUIRE_PDFTOPPM();
    window->showReceipt(samples::largestReceipt());
    const QImage first = printPage("first.pdf");
    const QImage second = printPage("second.pdf");
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first, second);
    EXPECT_EQ(find("sosten")->palette().color(QPalette::Window), ui::colorOf(0x00FFFF00));
}

TEST_F(PrintTest, AScrolledReceiptPrintsTheFrameWhereItStands)
{
    REQUIRE_PDFTOPPM();
    showLargestInDesignSize();  // long enough to scroll
    const auto ruleAt = [&](const QImage &page, int windowTwips) {
        const QRect row = onPage(page, QRect(px(840 + 400), px(windowTwips), px(6000), 1).adjusted(0, -2, 0, 2));
        return countPixels(page, row, [](QColor c) { return c.red() < 0x40; }) > row.width();
    };
    const QImage still = printPage("still.pdf");
    EXPECT_TRUE(ruleAt(still, 735));
    EXPECT_FALSE(ruleAt(still, 335));

    find<QScrollBar>("movedor")->setValue(500);  // the frame moves up by 400 twips
    const QImage scrolled = printPage("scrolled.pdf");
    EXPECT_TRUE(ruleAt(scrolled, 735 - 400));
    EXPECT_FALSE(ruleAt(scrolled, 735));
}

TEST_F(PrintTest, NothingOfTheFrameIsPrintedBelowTheWindow)
{
    REQUIRE_PDFTOPPM();
    window->showReceipt(samples::largestReceipt());  // its rows and the frame go on below the window
    const QImage page = printPage("below.pdf");
    ASSERT_FALSE(page.isNull());
    const int windowBottom = onPage(page, window->rect()).bottom() + 4;
    const QRect below(0, windowBottom, page.width(), page.height() - windowBottom);
    EXPECT_EQ(countPixels(page, below, [](QColor c) { return !white(c); }), 0);
}

TEST_F(PrintTest, ANameWiderThanItsPlaceStaysWholeInsideTheFrame)
{
    REQUIRE_PDFTOPPM();
    Receipt receipt = samples::receiptOf({0, 1}, "Juana Inés de la Cruz Fernández de Castro y Zúñiga Villalba");
    receipt.header.carsel.clear();  // nothing else stands right of the frame at the name's height
    window->showReceipt(receipt);
    ASSERT_LE(label("docente")->geometry().right(), find("sosten")->width());
    const QImage page = printPage("long-name.pdf");
    ASSERT_FALSE(page.isNull());
    const QRect rightOfFrame = onPage(page, rectOf(840 + 6840, 210, 1500, 375));
    EXPECT_EQ(countPixels(page, rightOfFrame, [](QColor c) { return !white(c); }), 0);
    // The name is printed inside the frame.
    const QRect insideFrame = onPage(page, rectOf(840 + 3030, 210, 3000, 375));
    EXPECT_GT(countPixels(page, insideFrame, [](QColor c) { return c.red() < 0x80; }), 100);
}

TEST_F(PrintTest, TheScrollBarIsPrintedWithItsArrows)
{
    REQUIRE_PDFTOPPM();
    window->showReceipt(samples::firstRows(10));
    const QImage page = printPage("scroll-bar.pdf");
    ASSERT_FALSE(page.isNull());
    const QRect bar = find("movedor")->geometry();
    const QRect upArrow = onPage(page, QRect(bar.topLeft(), QSize(bar.width(), bar.width())));
    const QRect downArrow = onPage(page, QRect(bar.bottomLeft() - QPoint(0, bar.width()), QSize(bar.width(), bar.width())));
    for (const QRect &button : {upArrow, downArrow}) {
        EXPECT_GT(countPixels(page, button, [](QColor c) { return c.red() < 0x80; }), 10);
    }
}

TEST_F(PrintTest, APrintThatCannotStartSaysSoAndStillRestoresTheWindow)
{
    window->showReceipt(samples::firstRows(3));
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, dir.filePath("no/such/folder/receipt.pdf"));
    EXPECT_FALSE(window->printReceipt(&printer));

    auto *message = window->findChild<QMessageBox *>("printFailure");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_FALSE(message->isModal());
    EXPECT_TRUE(message->text().startsWith("No se pudo imprimir el recibo")) << message->text().toStdString();
    EXPECT_FALSE(message->text().contains('\n'));
    EXPECT_TRUE(find("Volver")->isVisible());
    EXPECT_FALSE(find("Text2")->isVisible());
}

TEST_F(PrintTest, ImprimirOffersThePrintDialogAndPrintsWhatItAccepts)
{
    window->showReceipt(samples::firstRows(6));
    pdfPrinter(window->printer(), pdfPath("chosen.pdf"));
    // The dialog offers this receipt's file, in the folder of the file written before.
    const QString file = dir.filePath(QStringLiteral("Recibo de haberes - Ana María Pérez - Marzo 2008.pdf"));

    auto *imprimir = find<QPushButton>("Imprimir");
    QTest::mouseClick(imprimir, Qt::LeftButton);
    auto *dialog = window->findChild<QPrintDialog *>("printDialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    QTest::mouseClick(imprimir, Qt::LeftButton);  // a second click brings back the same dialog
    EXPECT_EQ(window->findChildren<QPrintDialog *>().size(), 1);

    dialog->accept();
    QFile printed(file);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5) == "%PDF-");
    EXPECT_TRUE(find("Imprimir")->isVisible());
}

}  // namespace
}  // namespace recibo::receipt::testing

#include "receipt_printing.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrinter>
#include <QStandardPaths>
#include <QStringView>
#include <QWidget>
#include <algorithm>

namespace recibo::receipt {

namespace {

const char *const kTitle = "Recibo de haberes";
const char *const kPeriod = "Marzo 2008";
// Even at three UTF-8 bytes a letter, a name this long keeps the file name inside the 255 bytes
// that file systems allow; a 60-letter name still fits whole.
constexpr qsizetype kMaxNameLength = 64;
// Refused in file names on Windows; '/' everywhere.
constexpr QStringView kForbidden = u"<>:\"/\\|?*";

// Paints `widget` and then its shown children, back to front. The PDF engine ignores the clip
// QWidget::render() gives each widget, so a widget partly outside its ancestors (`shown`, in window
// coordinates) is cut here. Only those: a clip set around a widget is misplaced inside the widget's
// own save()/restore() pairs, which takes the slider and arrows off a scroll bar.
void paintShown(QPainter &painter, QWidget &widget, QPoint offset, QRect shown, QWidget::RenderFlags flags)
{
    const QRect area(offset, widget.size());
    const QRect visible = shown & area;
    if (visible.isEmpty()) {
        return;
    }
    const bool cut = visible != area;
    if (cut) {
        painter.save();
        painter.setClipRect(visible);
    }
    widget.render(&painter, offset, QRegion(), flags);
    if (cut) {
        painter.restore();
    }
    for (QObject *child : widget.children()) {
        auto *childWidget = qobject_cast<QWidget *>(child);
        if (childWidget != nullptr && !childWidget->isWindow() && !childWidget->isHidden()) {
            paintShown(painter, *childWidget, offset + childWidget->pos(), visible, {});
        }
    }
}

// The window as shown, scaled to fit the page with its proportions kept.
bool paintScaled(QWidget &window, QPaintDevice &device, bool vector)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double scale = std::min(static_cast<double>(device.width()) / window.width(),
                                  static_cast<double>(device.height()) / window.height());
    painter.scale(scale, scale);
    if (vector) {
        paintShown(painter, window, QPoint(), window.rect(), QWidget::DrawWindowBackground);
    } else {
        window.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    return painter.end();
}

QString safeName(const QString &docente)
{
    QString name = docente;
    for (QChar &c : name) {
        if (c.category() == QChar::Other_Control || kForbidden.contains(c)) {
            c = u' ';
        }
    }
    name = name.simplified();
    if (name.size() > kMaxNameLength) {
        // Never half of a character written with two code units.
        const qsizetype cut = name.at(kMaxNameLength - 1).isHighSurrogate() ? kMaxNameLength - 1 : kMaxNameLength;
        name = name.left(cut).trimmed();
    }
    return name;
}

}  // namespace

bool paintOnPage(QWidget &window, QPagedPaintDevice *device)
{
    if (device == nullptr) {
        return false;
    }
    auto *printer = dynamic_cast<QPrinter *>(device);
    if (printer == nullptr || printer->outputFormat() != QPrinter::PdfFormat) {
        return paintScaled(window, *device, false);
    }
    // QWidget::render() paints a window for a printer as one picture at the printer's resolution,
    // about 9600 × 7000 pixels at 1200 dpi; a plain PDF writer gets the widgets' own lines and text.
    QPdfWriter writer(printer->outputFileName());
    writer.setPdfVersion(printer->pdfVersion());
    writer.setResolution(printer->resolution());
    writer.setPageLayout(printer->pageLayout());
    writer.setTitle(printer->docName());
    writer.setCreator(printer->creator());
    return paintScaled(window, writer, true);
}

QString receiptTitle(const QString &docente, const QString &period)
{
    const QString name = safeName(docente);
    QString title = QLatin1String(kTitle);
    if (!name.isEmpty()) {
        title += QStringLiteral(" - ") + name;
    }
    const QString periodName = safeName(period);
    return title + QStringLiteral(" - ") + (periodName.isEmpty() ? QLatin1String(kPeriod) : periodName);
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void proposeReceiptFile(QPrinter &printer, const QString &docente, const QString &period)
{
    const QFileInfo previous(printer.outputFileName());
    const bool keepFolder = !printer.outputFileName().isEmpty() && previous.absoluteDir().exists();
    const QDir folder(keepFolder ? previous.absolutePath() : documentsFolder());
    printer.setDocName(receiptTitle(docente, period));
    // Set on the engine, so the output format stays: QPrinter::setOutputFileName() would turn a
    // printer chosen before into "print to file".
    printer.printEngine()->setProperty(QPrintEngine::PPK_OutputFileName, folder.filePath(receiptFileName(docente, period)));
}

}  // namespace recibo::receipt

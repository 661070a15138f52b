#pragma once
// Putting the receipt window on a page, as lines and text when the page goes to a PDF file, and
// the file the print dialog proposes for it.

#include <QString>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace recibo::receipt {

// Paints `window` as it stands on the page of `device`, scaled to fit with its proportions kept.
// Returns false when the device cannot be painted.
bool paintOnPage(QWidget &window, QPagedPaintDevice *device);

// "Recibo de haberes - <docente> - Marzo 2008": the name is cleared of characters that common
// systems refuse in file names and kept to a sensible length; without one, "Recibo de haberes - Marzo 2008".
// A period named stands instead of "Marzo 2008", cleared the same way.
QString receiptTitle(const QString &docente, const QString &period = QString());
inline QString receiptFileName(const QString &docente, const QString &period = QString())
{
    return receiptTitle(docente, period) + QStringLiteral(".pdf");
}

// The user's documents folder, or the home folder where there is none.
QString documentsFolder();

// Readies `printer` for the print dialog: the file it offers is this receipt's, in the folder of the
// last file written or else in the documents folder; the printer chosen before stays chosen.
void proposeReceiptFile(QPrinter &printer, const QString &docente, const QString &period = QString());

}  // namespace recibo::receipt

#pragma once
// Putting the receipt window on a page, as lines and text when the page goes to a PDF file.

class QPagedPaintDevice;
class QWidget;

namespace recibo::receipt {

// Paints `window` as it stands on the page of `device`, scaled to fit with its proportions kept.
// Returns false when the device cannot be painted.
bool paintOnPage(QWidget &window, QPagedPaintDevice *device);

}  // namespace recibo::receipt

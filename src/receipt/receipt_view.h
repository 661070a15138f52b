#pragma once
// The hand-over from the data-entry window to the receipt window, kept to one small interface.

#include <functional>
#include <string>

#include "period.h"
#include "receipt.h"
#include "slip.h"
#include "snapshot.h"
#include "working.h"

namespace recibo::receipt {

// What "Listo" in the selection dialog writes into the receipt's position boxes.
struct PositionBoxes {
    std::string numcargo;
    std::string punbasicos;
    std::string proljor;
    std::string jorcom;
    std::string tardif;
    std::string compbas;
};

class ReceiptView {
public:
    virtual ~ReceiptView() = default;
    // Hides all row slots, fills the receipt, stamps the date and shows the window without modality.
    virtual void showReceipt(const Receipt &receipt) = 0;
    // The same, with how each row and total was reached: the amounts explain themselves in tool
    // tips and in the "Cómo se calculó" window. A receipt shown without it explains nothing.
    virtual void showReceipt(const Receipt &receipt, const ReceiptWorking &working) = 0;
    virtual void setPositionBoxes(const PositionBoxes &boxes) = 0;
    // The period the receipts are computed with, named on the receipt and in its file; empty when
    // the program offers one period only.
    virtual void setPeriodName(const std::string &name) = 0;
    // Called by "Volver" after the receipt has been disabled and hidden.
    virtual void setVolverHandler(std::function<void()> handler) = 0;
    // Called by "Salir" instead of ending the program at once, so the teacher's data is kept first.
    virtual void setSalirHandler(std::function<void()> handler) = 0;
    // The comment written on the receipt: its title (Text11) and its text (Text12).
    virtual std::string commentTitle() const = 0;
    virtual std::string commentText() const = 0;
    virtual void setComment(const std::string &title, const std::string &text) = 0;
    // The pay slip the teacher typed in «Comparar con mi recibo»; it stays across "Volver" and every
    // new receipt, and is what the teacher's file saves and opens.
    virtual Slip slip() const = 0;
    virtual void setSlip(const Slip &slip) = 0;
    // The entries and period the next receipt shown was computed from, which the slip's
    // explanations change; a receipt shown without them is compared with the slip, not explained.
    virtual void setEntries(const Snapshot &entries, const Period &period) = 0;
    // Called by «Usar estos datos» with an explanation's entries, to show them and compute again.
    virtual void setUseEntriesHandler(std::function<void(const Snapshot &)> handler) = 0;
    // Does, while the user has not asked for a receipt yet, the work of the window's first showing
    // that can be done hidden, so the first receipt comes as quickly as the next.
    virtual void prepare() {}
};

}  // namespace recibo::receipt

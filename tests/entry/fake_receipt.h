#pragma once
// A receipt window that only records what the data-entry window hands it.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "receipt_view.h"

struct ReceiptRecord {
    int created = 0;
    int prepared = 0;
    std::vector<recibo::Receipt> shown;
    // The working handed with each receipt; null for a receipt handed without one.
    std::vector<std::shared_ptr<const recibo::ReceiptWorking>> workings;
    std::vector<recibo::receipt::PositionBoxes> boxes;
    std::string periodName;
    std::function<void()> volver;
    std::function<void()> salir;
    std::string commentTitle = "Poné tu comentario";
    std::string commentText;
    recibo::Slip slip;
    // The entries handed before each receipt, and what «Usar estos datos» calls.
    std::vector<recibo::Snapshot> entries;
    std::function<void(const recibo::Snapshot &)> useEntries;
};

class FakeReceipt : public recibo::receipt::ReceiptView {
public:
    explicit FakeReceipt(ReceiptRecord &record) : record_(record) { ++record_.created; }
    void showReceipt(const recibo::Receipt &receipt) override
    {
        record_.shown.push_back(receipt);
        record_.workings.push_back(nullptr);
    }
    void showReceipt(const recibo::Receipt &receipt, const recibo::ReceiptWorking &working) override
    {
        record_.shown.push_back(receipt);
        record_.workings.push_back(std::make_shared<const recibo::ReceiptWorking>(working));
    }
    void setPositionBoxes(const recibo::receipt::PositionBoxes &boxes) override { record_.boxes.push_back(boxes); }
    void setPeriodName(const std::string &name) override { record_.periodName = name; }
    void setVolverHandler(std::function<void()> handler) override { record_.volver = std::move(handler); }
    void setSalirHandler(std::function<void()> handler) override { record_.salir = std::move(handler); }
    std::string commentTitle() const override { return record_.commentTitle; }
    std::string commentText() const override { return record_.commentText; }
    void setComment(const std::string &title, const std::string &text) override
    {
        record_.commentTitle = title;
        record_.commentText = text;
    }
    recibo::Slip slip() const override { return record_.slip; }
    void setSlip(const recibo::Slip &slip) override { record_.slip = slip; }
    void setEntries(const recibo::Snapshot &entries, const recibo::Period & /*period*/) override
    {
        record_.entries.push_back(entries);
    }
    void setUseEntriesHandler(std::function<void(const recibo::Snapshot &)> handler) override
    {
        record_.useEntries = std::move(handler);
    }
    void prepare() override { ++record_.prepared; }

private:
    ReceiptRecord &record_;
};

#pragma once
// A receipt window per test, and lookups of its controls by objectName as a user-driving test sees them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <memory>

#include "haberes_window.h"
#include "receipt_layout.h"
#include "receipt_samples.h"
#include "rule_line.h"
#include "twips.h"

// Failures show a QString as its text.
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

namespace recibo::receipt::testing {

class ReceiptWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
        window = std::make_unique<HaberesWindow>();
    }
    void TearDown() override
    {
        window.reset();
        QApplication::processEvents();
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        const auto found = window->findChildren<T *>(name);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
        return found.isEmpty() ? nullptr : found.first();
    }
    QLabel *label(const QString &name) const { return find<QLabel>(name); }
    // The largest receipt in a window the teacher brought back to its design size: taller than the
    // window, so it scrolls.
    void showLargestInDesignSize()
    {
        window->showReceipt(samples::largestReceipt());
        window->resize(window->width(), ui::px(kClientHeight));
    }
    RuleLine *line(const QString &name) const { return find<RuleLine>(name); }
    static QString slot(const char *array, std::size_t index)
    {
        return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
    }
    // Where a control stands in the window's client area, in logical pixels.
    QRect inWindow(const QWidget *widget) const
    {
        return QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
    }

    std::unique_ptr<HaberesWindow> window;
};

inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace recibo::receipt::testing

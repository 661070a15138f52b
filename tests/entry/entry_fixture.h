#pragma once
// A data-entry window with a recording receipt and a recording "Salir", driven through QTest.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>
#include <string_view>

#include "builtin_period.h"
#include "fake_receipt.h"
#include "ingreso_window.h"
#include "selection_dialog.h"

class EntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
        window = std::make_unique<recibo::entry::IngresoWindow>(
            [this] { return std::make_unique<FakeReceipt>(record); }, [this] { ++quits; });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override
    {
        window.reset();
        QLocale::setDefault(QLocale::system());
    }

    template <class T>
    T *in(QWidget *parent, const char *name)
    {
        T *found = parent ? parent->findChild<T *>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }
    template <class T>
    T *control(const char *name) { return in<T>(window.get(), name); }
    template <class T>
    T *dialogControl(const char *name) { return in<T>(dialog(), name); }

    recibo::catalogue::SelectionDialog *dialog()
    {
        return window->findChild<recibo::catalogue::SelectionDialog *>(QStringLiteral("advertencia"));
    }

    void click(const char *name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    void clickInDialog(const char *name) { QTest::mouseClick(dialogControl<QWidget>(name), Qt::LeftButton); }

    void type(const char *name, const QString &text)
    {
        auto *box = control<QLineEdit>(name);
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    // "Cargo" chosen, the code box emptied by a click and a code typed digit by digit.
    void chooseCode(const QString &code)
    {
        if (!control<QRadioButton>("cargo")->isChecked()) {
            click("cargo");
        }
        clickInDialog("codcargo");
        QTest::keyClicks(dialogControl<QLineEdit>("codcargo"), code);
    }

    // A name picked from the chooser's open list with the mouse, as the user does.
    void pickName(int row)
    {
        auto *chooser = dialogControl<QComboBox>("cargox");
        chooser->showPopup();
        // The list ignores a release that comes as fast as the click which opened it.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QAbstractItemView *view = chooser->view();
        const QModelIndex index = chooser->model()->index(row, 0);
        view->scrollTo(index);
        const QPoint where = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, where);
    }

    static int rowOfCode(std::string_view code) { return recibo::builtInPeriod().findPosition(code).value_or(-1); }

    ReceiptRecord record;
    int quits = 0;
    std::unique_ptr<recibo::entry::IngresoWindow> window;
};

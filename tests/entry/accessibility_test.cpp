// Every window as a screen reader meets it: announced with its role, each control that takes the
// focus named in the teacher's words and uniquely within its window, and Tab visiting every enabled
// control once per cycle in reading order, a group of options being one stop.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QSet>

#include <functional>

#include "entry_fixture.h"
#include "error_dialog.h"
#include "haberes_window.h"
#include "receipt_reader.h"

namespace {

QString nameOf(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The control a user meets: an editable list rather than the text field inside it.
QWidget *userControl(QWidget *focused)
{
    auto *list = focused && focused->parentWidget() ? qobject_cast<QComboBox *>(focused->parentWidget()) : nullptr;
    return list ? list : focused;
}

// The focus as Tab moves it, for one whole cycle from `first`.
QStringList tabCycle(QWidget *window, QWidget *first)
{
    QStringList visited;
    first->setFocus(Qt::TabFocusReason);
    QWidget *start = window->focusWidget();
    QWidget *at = start;
    do {
        visited << userControl(at)->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
        at = window->focusWidget();
    } while (at && at != start && visited.size() < 100);
    return visited;
}

// Every interface a screen reader reaches by walking down from `root`.
void reachFrom(QAccessibleInterface *root, QList<QAccessibleInterface *> &reached)
{
    reached << root;
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface *child = root->child(i)) {
            reachFrom(child, reached);
        }
    }
}

struct WindowCase {
    const char *rule;
    std::function<QWidget *(EntryTest &)> open;  // brings the window up as a user would
    QAccessible::Role role;
    QStringList tabOrder;  // reading order: top to bottom, left to right
};

void PrintTo(const WindowCase &c, std::ostream *os) { *os << c.rule; }

class Windows : public EntryTest, public ::testing::WithParamInterface<WindowCase> {
public:
    QWidget *openIngresoWithHours()
    {
        click("horasmedio");
        return window.get();
    }
    QWidget *openDialog()
    {
        click("cargo");
        return dialog();
    }
    QWidget *openReceipt()
    {
        window = std::make_unique<recibo::entry::IngresoWindow>();  // with its real receipt window
        window->show();
        click("horassup");
        click("Command1");
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("Haberes")) {
                return top;
            }
        }
        return nullptr;
    }
    QWidget *openError()
    {
        click("Command1");
        return window->errorDialog();
    }
};

TEST_P(Windows, AreAnnouncedWithTheirRole)
{
    QWidget *shown = GetParam().open(*this);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(shown)->role(), GetParam().role);
    EXPECT_FALSE(nameOf(shown).isEmpty());
}

TEST_P(Windows, NameEveryControlThatTakesTheFocusOnce)
{
    QWidget *shown = GetParam().open(*this);
    ASSERT_NE(shown, nullptr);
    QSet<QString> names;
    for (QWidget *w : shown->findChildren<QWidget *>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || w->window() != shown) {
            continue;
        }
        const QString name = nameOf(userControl(w));
        EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
        if (userControl(w) == w) {
            EXPECT_FALSE(names.contains(name)) << "two controls named " << name.toStdString();
            names.insert(name);
        }
    }
}

TEST_P(Windows, TabVisitsEveryEnabledControlOnceInReadingOrder)
{
    QWidget *shown = GetParam().open(*this);
    ASSERT_NE(shown, nullptr);
    shown->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
    const QString first = GetParam().tabOrder.front();
    EXPECT_EQ(tabCycle(shown, shown->findChild<QWidget *>(first)), GetParam().tabOrder);
}

INSTANTIATE_TEST_SUITE_P(
    All, Windows,
    ::testing::Values(
        WindowCase{"data entry with secondary-level hours",
                   [](EntryTest &t) { return static_cast<Windows &>(t).openIngresoWithHours(); },
                   QAccessible::Window,
                   {"docente", "Text2", "Text3", "horasmedio", "numerohorasmed", "numhorascod06", "numhorasincen",
                    "numhorascod113", "opincentivo", "Text1", "transporte", "zona", "inasist", "hijos", "hijosdisc",
                    "conyuge", "Iosper", "Osplad", "TOVIL", "APORTEJUB", "cajacomp", "Ley4035", "Seguro3011",
                    "Option1", "porcantig", "Command1", "Command2"}},
        WindowCase{"position selection dialog", [](EntryTest &t) { return static_cast<Windows &>(t).openDialog(); },
                   QAccessible::Dialog,
                   {"codcargo", "punbas", "compbas", "proljor", "jorcom", "tardif", "cargox", "Command1", "Command2"}},
        WindowCase{"receipt of higher-level hours",
                   [](EntryTest &t) { return static_cast<Windows &>(t).openReceipt(); }, QAccessible::Window,
                   {"recibo", "numcargo", "punbasicos", "explicar", "comparar", "Text11", "Text12", "Volver", "Imprimir",
                    "Salir", "Text1", "Text10"}},
        WindowCase{"error dialog", [](EntryTest &t) { return static_cast<Windows &>(t).openError(); },
                   QAccessible::AlertMessage, {"Aceptar"}}));

TEST_F(EntryTest, TheErrorIsReadWithItsMessageOnce)
{
    click("Command1");
    QList<QAccessibleInterface *> reached;
    reachFrom(QAccessible::queryAccessibleInterface(window->errorDialog()), reached);
    const QString message = QStringLiteral("seleccione cargo u horas de nivel medio o superior");
    int said = 0;
    for (QAccessibleInterface *iface : reached) {
        for (const QAccessible::Text text : {QAccessible::Name, QAccessible::Description}) {
            said += iface->text(text) == message ? 1 : 0;
        }
    }
    EXPECT_EQ(said, 1);
}

TEST_F(EntryTest, AFailureMessageIsAnAlert)
{
    click("horasmedio");
    type("numerohorasmed", QStringLiteral("doce"));
    click("Command1");
    auto *message = window->findChild<QMessageBox *>(QStringLiteral("mensaje"));
    ASSERT_NE(message, nullptr);
    QAccessibleInterface *alert = QAccessible::queryAccessibleInterface(message);
    EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
}

TEST_F(EntryTest, ListsKeepTheirNameWhateverEntryTheyShow)
{
    auto *zona = control<QComboBox>("zona");
    zona->setCurrentIndex(2);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(zona);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Ubicación de la escuela"));
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("Desfavorable"));
    chooseCode(QStringLiteral("734"));
    EXPECT_EQ(nameOf(dialogControl<QComboBox>("cargox")), QStringLiteral("Cargo"));
}

TEST_F(EntryTest, AfterVolverTheFocusIsOnTheCategories)
{
    click("horasmedio");
    click("Command1");
    ASSERT_TRUE(record.volver);
    record.volver();
    EXPECT_EQ(window->focusWidget(), control<QWidget>("cargo"));
}

}  // namespace

namespace {

// As the desktop's bridge does: every event asks for its object's interface at once, so Qt makes
// and keeps interfaces while the windows are still being built.
void askForEveryInterface(QAccessibleEvent *event) { event->accessibleInterface(); }

TEST_F(EntryTest, TheReceiptIsReadOnceByItsListEvenWithInterfacesMadeWhileBuilding)
{
    const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(askForEveryInterface);
    window = std::make_unique<recibo::entry::IngresoWindow>();  // with its real receipt window
    window->show();
    click("horassup");
    click("Command1");
    QAccessible::installUpdateHandler(before);
    QWidget *receipt = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        receipt = top->objectName() == QLatin1String("Haberes") ? top : receipt;
    }
    ASSERT_NE(receipt, nullptr);
    QList<QAccessibleInterface *> reached;
    reachFrom(QAccessible::queryAccessibleInterface(receipt), reached);
    const QWidget *frame = receipt->findChild<QWidget *>(QStringLiteral("sosten"));
    int lines = 0;
    for (QAccessibleInterface *iface : reached) {
        auto *widget = qobject_cast<QWidget *>(iface->object());
        EXPECT_FALSE(widget && (widget == frame || frame->isAncestorOf(widget))) << widget->objectName().toStdString();
        EXPECT_FALSE(widget && widget->objectName() == QLatin1String("Text2")) << "a print-only box";
        lines += iface->role() == QAccessible::ListItem ? 1 : 0;
    }
    EXPECT_EQ(lines, receipt->findChild<recibo::receipt::ReceiptReader *>()->lineCount());
}

}  // namespace

// Pictures of the data-entry window and the selection dialog in their main states, for a person
// to look at: entry-start, entry-cargo, entry-medio, entry-advertencia, entry-error, and the longest
// position name with a 60-character teacher's name: entry-advertencia-long, entry-receipt-long.
// Run it under xvfb-run at several screen sizes and QT_SCALE_FACTOR values.
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <cstdio>

#include "error_dialog.h"
#include "ingreso_window.h"
#include "selection_dialog.h"
#include "spanish_translations.h"

namespace {

bool save(QWidget *w, const QString &dir, const char *name)
{
    QTest::qWait(150);
    const QString path = dir + QStringLiteral("/entry-%1.png").arg(QString::fromLatin1(name));
    const bool ok = w->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

template <class T>
T *find(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

// Position 682 has the longest name of the catalogue.
bool saveLongNames(recibo::entry::IngresoWindow &window, const QString &dir)
{
    auto *name = find<QLineEdit>(&window, "docente");
    name->selectAll();
    name->insert(QStringLiteral("Fernández de la Torre Echeverría, María Guadalupe Alejandra"));
    QTest::mouseClick(find<QRadioButton>(&window, "cargo"), Qt::LeftButton);
    auto *dialog = window.selectionDialog();
    auto *code = find<QLineEdit>(dialog, "codcargo");
    QTest::mouseClick(code, Qt::LeftButton);
    QTest::keyClicks(code, QStringLiteral("682"));
    bool ok = save(dialog, dir, "advertencia-long");
    // The whole screen, to see where the dialog stands beside the data-entry window.
    ok = window.screen()->grabWindow(0).save(dir + QStringLiteral("/entry-screen-dialog.png")) && ok;
    QTest::mouseClick(find<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    ok = save(&window, dir, "ingreso-long") && ok;
    QTest::mouseClick(find<QPushButton>(&window, "Command1"), Qt::LeftButton);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("Haberes") && top->isVisible()) {
            ok = save(top, dir, "receipt-long") && ok;
            std::printf("receipt window %dx%d on a screen of %dx%d\n", top->width(), top->height(),
                        top->screen()->availableGeometry().width(), top->screen()->availableGeometry().height());
        }
    }
    std::printf("data-entry window %dx%d\n", window.width(), window.height());
    return ok;
}

// The "Archivo" menu open, and the manual the "Ayuda" menu shows; both grabbed from the screen.
bool saveMenuAndManual(recibo::entry::IngresoWindow &window, const QString &dir)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top != &window) {
            top->hide();
        }
    }
    window.activateWindow();
    QTest::qWait(300);
    QMenuBar *bar = window.menuBar();
    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    QTest::qWait(300);
    bool ok = window.screen()->grabWindow(0).save(dir + QStringLiteral("/entry-menu-archivo.png"));
    QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : bar, Qt::Key_Escape);
    QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : bar, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_F1);
    QTest::qWait(300);
    ok = window.screen()->grabWindow(0).save(dir + QStringLiteral("/entry-manual.png")) && ok;
    if (QWidget *manual = window.findChild<QWidget *>(QStringLiteral("manual"))) {
        manual->hide();
    }
    return ok;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    recibo::ui::installSpanishTranslations(app);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/shots");
    QDir().mkpath(dir);

    recibo::entry::IngresoWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    bool ok = save(&window, dir, "start");

    QTest::mouseClick(find<QRadioButton>(&window, "cargo"), Qt::LeftButton);
    auto *dialog = window.selectionDialog();
    if (!QTest::qWaitForWindowExposed(dialog)) {
        return 1;
    }
    auto *code = find<QLineEdit>(dialog, "codcargo");
    QTest::mouseClick(code, Qt::LeftButton);
    QTest::keyClicks(code, QStringLiteral("672"));
    ok = save(dialog, dir, "advertencia") && ok;
    QTest::mouseClick(find<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    QTest::mouseClick(find<QRadioButton>(&window, "Option7"), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>(&window, "transporte"), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>(&window, "hijos"), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>(&window, "hijosdisc"), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>(&window, "inasist"), Qt::LeftButton);
    ok = save(&window, dir, "cargo") && ok;

    QTest::mouseClick(find<QRadioButton>(&window, "horasmedio"), Qt::LeftButton);
    ok = save(&window, dir, "medio") && ok;

    QTest::mouseClick(find<QRadioButton>(&window, "horassup"), Qt::LeftButton);
    QTest::mouseClick(find<QRadioButton>(&window, "horasmedio"), Qt::LeftButton);
    window.findChild<QRadioButton *>(QStringLiteral("horasmedio"))->setAutoExclusive(false);
    window.findChild<QRadioButton *>(QStringLiteral("horasmedio"))->setChecked(false);
    window.findChild<QRadioButton *>(QStringLiteral("horasmedio"))->setAutoExclusive(true);
    QTest::mouseClick(find<QPushButton>(&window, "Command1"), Qt::LeftButton);
    if (auto *error = window.errorDialog()) {
        ok = QTest::qWaitForWindowExposed(error) && ok;
        ok = save(error, dir, "error") && ok;
    }
    ok = saveLongNames(window, dir) && ok;
    ok = saveMenuAndManual(window, dir) && ok;
    return ok ? 0 : 1;
}

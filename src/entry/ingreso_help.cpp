// The "Ayuda" menu: the manual page's contents in a window, and the program's version and licence.

#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ingreso_window.h"
#include "manual_text.h"

namespace recibo::entry {

void IngresoWindow::showManual()
{
    auto *manual = findChild<QDialog *>(QStringLiteral("manual"));
    if (!manual) {
        manual = new QDialog(this);
        manual->setObjectName(QStringLiteral("manual"));
        manual->setWindowTitle(QStringLiteral("Manual de Recibo de haberes"));
        auto *text = new QTextBrowser(manual);
        text->setObjectName(QStringLiteral("textoManual"));
        text->setAccessibleName(QStringLiteral("Manual"));
        QFile page(QStringLiteral(":/manual/recibo-haberes.1"));
        page.open(QIODevice::ReadOnly);
        text->setHtml(manualHtml(QString::fromUtf8(page.readAll())));
        auto *layout = new QVBoxLayout(manual);
        layout->addWidget(text);
        manual->resize(640, 520);
    }
    manual->show();
    manual->raise();
    manual->activateWindow();
}

void IngresoWindow::showAbout()
{
    QMessageBox::about(this, QStringLiteral("Acerca de Recibo de haberes"),
                       QStringLiteral("<p><b>Recibo de haberes %1</b></p>"
                                      "<p>Calcula el recibo de haberes mensual de un docente del sistema educativo "
                                      "público provincial y lo compara con el recibo real.</p>"
                                      "<p>Este programa es software libre: puede redistribuirlo y modificarlo según "
                                      "los términos de la Licencia Pública General de GNU, versión 3 o posterior. "
                                      "Se distribuye sin ninguna garantía.</p>")
                           .arg(QStringLiteral(RECIBO_VERSION)));
}

}  // namespace recibo::entry

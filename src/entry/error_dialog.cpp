#include "error_dialog.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

#include "accessible.h"
#include "twips.h"

namespace recibo::entry {
namespace {

constexpr int kClientWidth = 4395;
constexpr int kClientHeight = 3945;

}  // namespace

ErrorDialog::ErrorDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("error"));
    setWindowTitle(QStringLiteral("Error de selección"));
    setModal(false);
    setFixedSize(ui::sizeOf(kClientWidth, kClientHeight));

    const QString text = QStringLiteral("seleccione cargo u horas de nivel medio o superior");
    // A screen reader announces the dialog as an alert and reads its message from the label, once.
    ui::setAccessibleRole(this, QAccessible::AlertMessage);
    auto *message = new QLabel(text, this);
    message->setObjectName(QStringLiteral("Label1"));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    QFont bold = message->font();
    bold.setBold(true);
    message->setFont(bold);
    message->setGeometry(ui::rectOf(300, 600, 3795, 1200));

    auto *aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("Aceptar"));
    aceptar->setDefault(true);
    aceptar->setAccessibleName(QStringLiteral("Aceptar"));
    aceptar->setGeometry(ui::rectOf(1440, 2640, 1515, 540));
    connect(aceptar, &QPushButton::clicked, this, &QDialog::hide);
}

void ErrorDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void ErrorDialog::reject()
{
    findChild<QPushButton *>(QStringLiteral("Aceptar"))->click();
}

void ErrorDialog::paintEvent(QPaintEvent *)
{
    // Background picture: a soft warning-coloured gradient with a light frame.
    QPainter p(this);
    QLinearGradient shade(rect().topLeft(), rect().bottomLeft());
    shade.setColorAt(0.0, ui::colorOf(0x00C0F0FF));
    shade.setColorAt(1.0, ui::colorOf(0x0080C8F0));
    p.fillRect(rect(), shade);
    p.setPen(QPen(ui::colorOf(0x004080C0), 2));
    p.drawRect(rect().adjusted(4, 4, -5, -5));
}

}  // namespace recibo::entry

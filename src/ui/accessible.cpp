#include "accessible.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace recibo::ui {
namespace {

constexpr char kRoleProperty[] = "reciboAccessibleRole";
constexpr char kStableNameProperty[] = "reciboStableName";

class NamedList : public QAccessibleWidget {
public:
    explicit NamedList(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            return widget()->accessibleName();
        }
        if (t == QAccessible::Value) {
            return static_cast<QComboBox *>(widget())->currentText();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction()) {
            static_cast<QComboBox *>(widget())->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

QAccessibleInterface *interfaceFor(const QString & /*className*/, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget) {
        return nullptr;
    }
    if (const QVariant role = widget->property(kRoleProperty); role.isValid()) {
        return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    }
    if (auto *list = qobject_cast<QComboBox *>(widget); list && list->property(kStableNameProperty).toBool()) {
        return new NamedList(list);
    }
    return nullptr;
}

void installOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)installed;
}

}  // namespace

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    installOnce();
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void setStableAccessibleName(QComboBox *list, const QString &name)
{
    installOnce();
    list->setProperty(kStableNameProperty, true);
    list->setAccessibleName(name);
    if (QLineEdit *text = list->lineEdit()) {
        text->setAccessibleName(name);
    }
}

}  // namespace recibo::ui

#include "accessible.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace recibo::ui {
namespace {

constexpr char kRoleProperty[] = "reciboAccessibleRole";
constexpr char kStableNameProperty[] = "reciboStableName";
constexpr char kReadElsewhereProperty[] = "reciboReadElsewhere";
constexpr char kPrintOnlyProperty[] = "reciboPrintOnly";

// A window or dialog with the role it is given, whose hidden print-only controls are left out.
class WithRole : public QAccessibleWidget {
public:
    WithRole(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return static_cast<int>(reachable().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = reachable();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return static_cast<int>(reachable().indexOf(qobject_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> reachable() const
    {
        QList<QWidget *> children;
        for (QWidget *child : widget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !child->property(kReadElsewhereProperty).toBool() &&
                !(child->isHidden() && child->property(kPrintOnlyProperty).toBool())) {
                children.append(child);
            }
        }
        return children;
    }
};

class WithoutChildren : public QAccessibleWidget {
public:
    explicit WithoutChildren(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Grouping) {}
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
};

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
        return new WithRole(widget, static_cast<QAccessible::Role>(role.toInt()));
    }
    if (widget->property(kReadElsewhereProperty).toBool()) {
        return new WithoutChildren(widget);
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

// Qt keeps the first interface made for an object, and one may have been made already (a group
// box's constructor announces its title): drop it, so the next one is made knowing the property.
void renewInterface(QWidget *widget)
{
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

}  // namespace

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    installOnce();
    widget->setProperty(kRoleProperty, static_cast<int>(role));
    renewInterface(widget);
}

void setPrintOnly(QWidget *widget)
{
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setProperty(kPrintOnlyProperty, true);
}

void readThroughAnotherControl(QWidget *widget)
{
    installOnce();
    widget->setProperty(kReadElsewhereProperty, true);
    renewInterface(widget);
}

void setStableAccessibleName(QComboBox *list, const QString &name)
{
    installOnce();
    list->setProperty(kStableNameProperty, true);
    renewInterface(list);
    list->setAccessibleName(name);
    if (QLineEdit *text = list->lineEdit()) {
        text->setAccessibleName(name);
    }
}

}  // namespace recibo::ui

#include "controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "accessible.h"

namespace recibo::ui {
namespace {

template <typename Control>
Control *named(Control *control, const QString &name, const QRect &where, const QString &toolTip)
{
    control->setObjectName(name);
    control->setGeometry(where);
    if (!toolTip.isEmpty()) {
        control->setToolTip(toolTip);
    }
    return control;
}

// A check box or option named by its caption, as wide as its indicator and caption.
template <typename Button>
Button *captioned(QWidget *parent, const QString &name, const QString &caption, const QRect &where,
                  const QString &toolTip)
{
    auto *button = named(new Button(caption, parent), name, where, toolTip);
    button->setAccessibleName(caption);
    button->resize(std::min(button->width(), button->sizeHint().width()), button->height());
    return button;
}

}  // namespace

QString textOf(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &where,
              Qt::Alignment alignment)
{
    auto *l = named(new QLabel(text, parent), name, where, QString());
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(alignment);
    return l;
}

QLineEdit *textBox(QWidget *parent, const QString &name, const QString &accessibleName, const QRect &where,
                   const QString &text, const QString &toolTip)
{
    auto *box = named(new QLineEdit(text, parent), name, where, toolTip);
    box->setAccessibleName(accessibleName);
    return box;
}

QLineEdit *textBox(QWidget *parent, const TextField &field, const QRect &where, const QString &toolTip)
{
    return textBox(parent, textOf(field.control), textOf(field.caption), where, textOf(field.start), toolTip);
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, const QRect &where,
                    const QString &toolTip)
{
    return captioned<QCheckBox>(parent, name, caption, where, toolTip);
}

QCheckBox *checkBox(QWidget *parent, const TickField &field, const QRect &where, const QString &toolTip)
{
    QCheckBox *box = checkBox(parent, textOf(field.control), textOf(field.caption), where, toolTip);
    box->setChecked(field.start);
    return box;
}

QRadioButton *option(QWidget *parent, const QString &name, const QString &caption, const QRect &where,
                     const QString &toolTip)
{
    return captioned<QRadioButton>(parent, name, caption, where, toolTip);
}

QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption, const QRect &where)
{
    return named(new QGroupBox(caption, parent), name, where, QString());
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QRect &where,
                    const QString &toolTip)
{
    auto *b = named(new QPushButton(caption, parent), name, where, toolTip);
    b->setAccessibleName(caption);
    return b;
}

QComboBox *editableList(QWidget *parent, const QString &name, const QString &accessibleName, const QRect &where)
{
    auto *list = named(new QComboBox(parent), name, where, QString());
    list->setEditable(true);
    setStableAccessibleName(list, accessibleName);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    // Enter or leaving the field would otherwise pick an entry whose name equals the typed text.
    QObject::disconnect(list->lineEdit(), &QLineEdit::returnPressed, list, nullptr);
    QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
    return list;
}

}  // namespace recibo::ui

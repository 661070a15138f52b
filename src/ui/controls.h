#pragma once
// One way to make a control at a twips position: every window builds its labels, text boxes, check
// boxes, options, frames and buttons here, so each gets its objectName, accessible name and tool tip
// the same way.

#include <QRect>
#include <QString>

#include <string_view>

#include "input_fields.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace recibo::ui {

QString textOf(std::string_view utf8);

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &where,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

QLineEdit *textBox(QWidget *parent, const QString &name, const QString &accessibleName, const QRect &where,
                   const QString &text = QString(), const QString &toolTip = QString());
// A text box for an input field: its control name, caption and start text come from the field.
QLineEdit *textBox(QWidget *parent, const TextField &field, const QRect &where,
                   const QString &toolTip = QString());

// Check boxes and options are only as wide as their indicator and caption, so a click on the
// middle of their design rectangle still hits them.
QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, const QRect &where,
                    const QString &toolTip = QString());
QCheckBox *checkBox(QWidget *parent, const TickField &field, const QRect &where,
                    const QString &toolTip = QString());
QRadioButton *option(QWidget *parent, const QString &name, const QString &caption, const QRect &where,
                     const QString &toolTip = QString());

QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption, const QRect &where);
QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QRect &where,
                    const QString &toolTip = QString());

// A drop-down list whose text field can be typed into without choosing or adding an entry.
QComboBox *editableList(QWidget *parent, const QString &name, const QString &accessibleName, const QRect &where);

}  // namespace recibo::ui

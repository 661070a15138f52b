#pragma once
// What a screen reader needs beyond Qt's own accessible interfaces: a role for windows and dialogs
// that Qt would report as plain panels, and drop-down lists that keep their name whatever entry they
// show (Qt names a combo box on Linux by its current entry).

#include <QAccessible>

class QComboBox;
class QWidget;

namespace recibo::ui {

// Announces `widget` with this role (a window, or an alert) instead of the one Qt derives.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

// A control that is shown only on paper (while printing): it takes no focus and, while hidden, a
// screen reader does not find it in its window.
void setPrintOnly(QWidget *widget);

// Leaves `widget` and everything in it out of what a screen reader reaches in its window: a frame
// whose cells and rules another control reads out as whole sentences. Its window needs a role.
void readThroughAnotherControl(QWidget *widget);

// Gives a drop-down list a name that stays while its entries change; its value is the entry shown.
// The text part of an editable list gets the same name, since it is what takes the focus.
void setStableAccessibleName(QComboBox *list, const QString &name);

}  // namespace recibo::ui

#pragma once

#include <QAccessible>

class QWidget;

// Widgets that Qt presents by their class say what they are to assistive
// technology instead: a label used as a resize grip, a plain widget used as
// a title bar, a frame used as a button. A title bar without a name of its
// own is named by its window's title; a button or link runs its Q_INVOKABLE
// click() as the default action.
namespace AccessibleRoles {

void set(QWidget *widget, QAccessible::Role role);

} // namespace AccessibleRoles

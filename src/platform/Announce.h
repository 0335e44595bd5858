#pragma once
// The changes a control tells assistive technology of (the events the classic design
// sends with NotifyWinEvent), so that a screen reader speaks them as they happen. Each
// costs nothing while no assistive technology listens.

#include <QAccessible>
#include <QWidget>

namespace announce {

// `control` was checked or unchecked.
inline void Checked(QWidget* control)
{
    if (!QAccessible::isActive()) return;
    QAccessible::State changed;
    changed.checked = true;
    changed.checkStateMixed = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

// `control` shows a new value.
inline void Value(QWidget* control, int value)
{
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(control, value);
    QAccessible::updateAccessibility(&event);
}

// Item `child` of `control` became the selected one (a tab, a record); with the focus
// on the control the item is where the focus now is.
inline void Selected(QWidget* control, int child)
{
    if (!QAccessible::isActive() || child < 0) return;
    QAccessibleEvent selection(control, QAccessible::Selection);
    selection.setChild(child);
    QAccessible::updateAccessibility(&selection);
    if (!control->hasFocus()) return;
    QAccessibleEvent focus(control, QAccessible::Focus);
    focus.setChild(child);
    QAccessible::updateAccessibility(&focus);
}

} // namespace announce

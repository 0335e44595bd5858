#include "AccessibleControls.h"

#include "Accessibility.h"
#include "AccessibleItem.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"
#include "skin/controls/vnSkinCtrls/Gauge.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"

#include <QPointer>

namespace vnaccess {

QString TvnAccessibleControl::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) return ControlName(widget());
    return QAccessibleWidget::text(t);
}

// --- Button -----------------------------------------------------------------------

TvnAccessibleButton::TvnAccessibleButton(TvnSkinButton* button)
    : TvnAccessibleControl(button, QAccessible::Button)
{
}

TvnSkinButton* TvnAccessibleButton::Button() const { return static_cast<TvnSkinButton*>(widget()); }

QAccessible::State TvnAccessibleButton::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = Button()->Down();
    s.defaultButton = Button()->Default() || Button()->Active();
    s.focusable = s.focusable && Button()->CanFocused();
    return s;
}

QStringList TvnAccessibleButton::actionNames() const
{
    QStringList names { pressAction() };
    names += QAccessibleWidget::actionNames();
    return names;
}

void TvnAccessibleButton::doAction(const QString& action)
{
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    if (!widget()->isEnabled()) return;
    QPointer<TvnSkinButton> button = Button();
    Defer(button, [button] {
        if (button && button->isEnabled()) button->Click();
    });
}

// --- Check and radio box ------------------------------------------------------------

TvnAccessibleCheckBox::TvnAccessibleCheckBox(TvnSkinCheckRadioBox* box)
    : TvnAccessibleControl(box, box->Radio() ? QAccessible::RadioButton : QAccessible::CheckBox)
{
}

TvnSkinCheckRadioBox* TvnAccessibleCheckBox::Box() const
{
    return static_cast<TvnSkinCheckRadioBox*>(widget());
}

QAccessible::State TvnAccessibleCheckBox::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = Box()->State() == cbChecked;
    s.checkStateMixed = Box()->State() == cbGrayed;
    s.focusable = s.focusable && Box()->CanFocused();
    return s;
}

QStringList TvnAccessibleCheckBox::actionNames() const
{
    QStringList names { toggleAction() };
    names += QAccessibleWidget::actionNames();
    return names;
}

void TvnAccessibleCheckBox::doAction(const QString& action)
{
    if (action != toggleAction() && action != pressAction()) return QAccessibleWidget::doAction(action);
    if (!widget()->isEnabled()) return;
    QPointer<TvnSkinCheckRadioBox> box = Box();
    Defer(box, [box] {
        if (box && box->isEnabled()) box->Toggle();
    });
}

// --- Scroll bar and gauge -------------------------------------------------------------

TvnAccessibleRange::TvnAccessibleRange(QWidget* control, QAccessible::Role role)
    : TvnAccessibleControl(control, role)
{
}

void* TvnAccessibleRange::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString TvnAccessibleRange::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value) return currentValue().toString();
    const QString own = TvnAccessibleControl::text(t);
    // A scroll bar that scrolls a grid is heard as that grid's.
    auto* bar = qobject_cast<TvnSkinScrollBar*>(widget());
    if (t != QAccessible::Name || !own.isEmpty() || !bar || !bar->LinkedControl()) return own;
    QAccessibleInterface* linked = QAccessible::queryAccessibleInterface(bar->LinkedControl());
    return linked ? linked->text(QAccessible::Name) : own;
}

QVariant TvnAccessibleRange::currentValue() const
{
    if (auto* bar = qobject_cast<TvnSkinScrollBar*>(widget())) return bar->Position();
    return static_cast<TvnSkinGauge*>(widget())->Value();
}

void TvnAccessibleRange::setCurrentValue(const QVariant& value)
{
    // The gauge shows the transfer's progress: nobody but the transfer sets it.
    if (auto* bar = qobject_cast<TvnSkinScrollBar*>(widget()); bar && bar->isEnabled())
        bar->SetPosition(value.toInt());
}

QVariant TvnAccessibleRange::maximumValue() const
{
    if (auto* bar = qobject_cast<TvnSkinScrollBar*>(widget())) return bar->Max();
    return static_cast<TvnSkinGauge*>(widget())->MaxValue();
}

QVariant TvnAccessibleRange::minimumValue() const
{
    if (auto* bar = qobject_cast<TvnSkinScrollBar*>(widget())) return bar->Min();
    return static_cast<TvnSkinGauge*>(widget())->MinValue();
}

QVariant TvnAccessibleRange::minimumStepSize() const
{
    if (auto* bar = qobject_cast<TvnSkinScrollBar*>(widget())) return bar->SmallChange();
    return 1;
}

} // namespace vnaccess

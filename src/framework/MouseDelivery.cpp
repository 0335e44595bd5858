#include "MouseDelivery.h"

#include "Control.h"
#include "Drag.h"

#include <QCursor>
#include <QMouseEvent>
#include <optional>

namespace mouse {

namespace {

// Deliveries nest: a control may pass a press on to another one while handling it.
QList<TDelivery*>& Deliveries()
{
    static QList<TDelivery*> stack;
    return stack;
}

std::optional<QPoint>& LastPointer()
{
    static std::optional<QPoint> last;
    return last;
}

TShiftState ShiftOf(const QMouseEvent* e)
{
    TShiftState shift = ShiftFromModifiers(e->modifiers());
    const Qt::MouseButtons held = e->buttons();
    if (held & Qt::LeftButton) shift |= ssLeft;
    if (held & Qt::RightButton) shift |= ssRight;
    if (held & Qt::MiddleButton) shift |= ssMiddle;
    if (e->type() == QEvent::MouseButtonDblClick) shift |= ssDouble;
    return shift;
}

void Fire(const TDelivery& d)
{
    TControl* c = d.Target;
    const int x = d.At.x(), y = d.At.y();
    switch (d.Type) {
    case QEvent::MouseMove:
        events::Fire(c->OnMouseMove, c, d.Shift, x, y);
        break;
    case QEvent::MouseButtonRelease:
        if (d.HasButton) events::Fire(c->OnMouseUp, c, d.Button, d.Shift, x, y);
        break;
    default: // a press, or the second press of a double click
        if (d.HasButton) events::Fire(c->OnMouseDown, c, d.Button, d.Shift, x, y);
        break;
    }
}

} // namespace

bool IsMouseEvent(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
        || type == QEvent::MouseButtonDblClick;
}

TControl* TargetOf(QWidget* widget)
{
    for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        auto* control = qobject_cast<TControl*>(w);
        if (control && control->isEnabled() && !control->MouseThrough()) return control;
    }
    return nullptr;
}

bool Deliver(QObject* receiver, QEvent* event, const std::function<bool()>& qtDelivery)
{
    if (!receiver->isWidgetType()) return qtDelivery();
    auto* e = static_cast<QMouseEvent*>(event);
    LastPointer() = e->globalPosition().toPoint();
    auto* widget = static_cast<QWidget*>(receiver);
    TControl* target = TargetOf(widget);
    if (!target) return qtDelivery();
    const bool leftPress = e->button() == Qt::LeftButton
        && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick);
    // An automatic drag takes the left press: the control neither handles nor hears it.
    if (leftPress && target->DragMode() == dmAutomatic && !drag::UnderWay()) {
        target->BeginDrag(false);
        return true;
    }
    TDelivery d;
    d.Target = target;
    d.Type = e->type();
    d.Shift = ShiftOf(e);
    d.At = widget->mapTo(target, e->position().toPoint());
    static const QHash<Qt::MouseButton, TMouseButton> kButtons
        = { { Qt::LeftButton, mbLeft }, { Qt::RightButton, mbRight }, { Qt::MiddleButton, mbMiddle } };
    d.HasButton = kButtons.contains(e->button());
    d.Button = kButtons.value(e->button(), mbLeft);
    Deliveries().append(&d);
    bool result = false;
    try {
        result = qtDelivery();
    } catch (...) {
        Deliveries().removeOne(&d);
        throw;
    }
    Deliveries().removeOne(&d);
    if (!d.Done && d.Target) Fire(d);
    return result;
}

QPoint PointerPosition() { return LastPointer().value_or(QCursor::pos()); }

void RunFrameworkEvent(TControl* control, bool fire)
{
    if (Deliveries().isEmpty()) return;
    TDelivery* d = Deliveries().last();
    if (d->Target != control || d->Done) return;
    d->Done = true;
    if (fire) Fire(*d);
}

} // namespace mouse

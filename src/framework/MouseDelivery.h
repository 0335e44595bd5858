#pragma once
// The framework's mouse events: every press, move and release the application delivers
// to a widget raises OnMouseDown, OnMouseMove or OnMouseUp of exactly one control, the
// control under the pointer (or the one that took the press, which keeps the pointer
// until the release), with the point in that control's client coordinates. An inner
// widget of a control (an edit's line edit) counts as the control; a control that is only
// a part of its parent lets the events through to it. Qt offers an ignored press to each
// parent in turn; the parents never hear it as their own. Widgets see a double click's
// second press as the double click itself: it is a press with ssDouble in the shift.
//
// The event runs after the control's own handling of the press, move or release, unless
// the control runs it earlier (TControl::DoMouseEvent) or ends the event without it
// (TControl::SkipMouseEvent).
#include "framework/Types.h"

#include <QEvent>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <functional>

class TControl;
class QWidget;

namespace mouse {

struct TDelivery {
    QPointer<TControl> Target;
    QEvent::Type Type = QEvent::None;
    // False for a button the framework has no name for (a side button).
    bool HasButton = false;
    TMouseButton Button = mbLeft;
    TShiftState Shift;
    QPoint At;
    bool Done = false;
};

bool IsMouseEvent(QEvent::Type type);

// The control that hears the framework's events of a mouse event received by `widget`.
TControl* TargetOf(QWidget* widget);

// Delivers the mouse event `event` to `receiver` through `qtDelivery`, raising the
// framework's event on the way.
bool Deliver(QObject* receiver, QEvent* event, const std::function<bool()>& qtDelivery);

// Where the pointer was at the last mouse event delivered (on the screen), or is now
// when none was yet.
QPoint PointerPosition();

// The framework's event of the delivery under way, for `control` when it is the target
// and the event has not run yet; `fire` false only marks it done.
void RunFrameworkEvent(TControl* control, bool fire);

} // namespace mouse

#include "Drag.h"

#include "Control.h"
#include "MouseDelivery.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace drag {

namespace {

struct TDrag {
    QPointer<TControl> Source;
    // What travels as the source: the control, or the object its OnStartDrag handed over.
    QPointer<QObject> Object;
    QPointer<TControl> Target;
    bool Accepted = false;
    bool Started = false;
    bool UnderWay = false;
    // The drag's pointer shape is on top of Qt's stack of override cursors.
    bool CursorSet = false;
    int Threshold = kDefaultThreshold;
    QPoint Origin;
    QPoint Last;
};

TDrag& State()
{
    static TDrag state;
    return state;
}

TControl* ControlAt(QPoint global)
{
    QWidget* under = QApplication::widgetAt(global);
    return under ? mouse::TargetOf(under) : nullptr;
}

// Whether `control` takes the drag of `object` at the point `global`: a control without
// OnDragOver refuses it.
bool Accepts(TControl* control, QObject* object, QPoint global, TDragState state)
{
    if (!control->OnDragOver) return false;
    bool accept = true;
    const QPoint at = control->mapFromGlobal(global);
    events::Fire(control->OnDragOver, control, object, at.x(), at.y(), state, accept);
    return accept;
}

void ShowAnswer()
{
    TDrag& s = State();
    const Qt::CursorShape shape = s.Accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor;
    if (s.CursorSet) return QApplication::changeOverrideCursor(shape);
    QApplication::setOverrideCursor(shape);
    s.CursorSet = true;
}

void MoveTo(QPoint global)
{
    TDrag& s = State();
    s.Last = global;
    TControl* now = ControlAt(global);
    if (now != s.Target) {
        if (s.Target) Accepts(s.Target, s.Object, global, dsDragLeave);
        s.Target = now;
        s.Accepted = now && Accepts(now, s.Object, global, dsDragEnter);
    } else if (now) {
        s.Accepted = Accepts(now, s.Object, global, dsDragMove);
    }
    if (s.UnderWay) ShowAnswer();
}

void Start()
{
    TDrag& s = State();
    s.Started = true;
    QObject* object = nullptr;
    events::Fire(s.Source->OnStartDrag, s.Source.data(), object);
    s.Object = object ? object : s.Source.data();
    if (!s.Source) return End(false);
    MoveTo(s.Last);
}

} // namespace

void Begin(TControl* source, bool immediate, int threshold)
{
    TDrag& s = State();
    if (s.UnderWay || !source) return;
    s = TDrag();
    s.Source = source;
    s.UnderWay = true;
    s.Threshold = threshold < 0 ? kDefaultThreshold : threshold;
    s.Origin = s.Last = mouse::PointerPosition();
    if (immediate) Start();
}

void End(bool drop)
{
    TDrag& s = State();
    if (!s.UnderWay) return;
    const TDrag ended = s;
    s = TDrag();
    if (ended.CursorSet) QApplication::restoreOverrideCursor();
    if (!ended.Started) return;
    TControl* target = drop && ended.Accepted ? ended.Target.data() : nullptr;
    QPoint at;
    if (target) {
        at = target->mapFromGlobal(ended.Last);
        events::Fire(target->OnDragDrop, target, ended.Object.data(), at.x(), at.y());
    } else if (ended.Target) {
        // The control under the pointer hears that the drag left it for good.
        Accepts(ended.Target, ended.Object, ended.Last, dsDragLeave);
    }
    if (ended.Source) events::Fire(ended.Source->OnEndDrag, ended.Source.data(), target, at.x(), at.y());
}

bool UnderWay() { return State().UnderWay; }

TControl* Source() { return State().Source; }

bool Filter(QObject* receiver, QEvent* event)
{
    TDrag& s = State();
    // Widgets only: the window that passes an event on to its widgets keeps its own
    // account of the buttons.
    if (!s.UnderWay || !receiver->isWidgetType()) return false;
    if (!s.Source) {
        // The source went away: the drag ends with it, nobody to tell.
        End(false);
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        s.Last = global;
        if (!s.Started) {
            const QPoint moved = global - s.Origin;
            if (std::abs(moved.x()) < s.Threshold && std::abs(moved.y()) < s.Threshold) return false;
            Start();
            return true;
        }
        MoveTo(global);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (!s.Started) {
            // Let go before the threshold: no drag happened, the release is a release.
            if (e->button() == Qt::LeftButton) s = TDrag();
            return false;
        }
        if (e->button() != Qt::LeftButton) return true;
        s.Last = e->globalPosition().toPoint();
        End(true);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!s.Started) return false;
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) End(false);
        return true;
    case QEvent::KeyPress:
        if (!s.Started || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
        End(false);
        return true;
    default:
        return false;
    }
}

} // namespace drag

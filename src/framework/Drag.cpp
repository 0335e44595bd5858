#include "Drag.h"

#include "Control.h"
#include "Cursors.h"
#include "Dock.h"
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
    // A dock drag (see framework/Dock.h): Object is its dock object, Made when the
    // framework made it, and Grab the pressed point's offset from the control's corner.
    bool Dock = false;
    QPointer<TDragDockObject> Made;
    QPoint Grab;
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

// Whether `control` takes the drag `d` at the point `global`: a control without
// OnDragOver refuses a drag, a dock site without OnDockOver takes a dock drag.
bool Accepts(const TDrag& d, TControl* control, QPoint global, TDragState state)
{
    const QPoint at = control->mapFromGlobal(global);
    bool accept = true;
    if (d.Dock) {
        auto* object = qobject_cast<TDragDockObject*>(d.Object);
        events::Fire(control->OnDockOver, control, object, at.x(), at.y(), state, accept);
        return accept;
    }
    if (!control->OnDragOver) return false;
    events::Fire(control->OnDragOver, control, d.Object.data(), at.x(), at.y(), state, accept);
    return accept;
}

// A drag shows the source's drag cursor where it would be taken and the "no" shape
// elsewhere; a dock drag let go elsewhere floats, so it shows the ordinary pointer there.
Qt::CursorShape AnswerShape(const TDrag& s)
{
    if (s.Accepted) return cursors::ShapeOf(s.Source->DragCursor());
    return cursors::ShapeOf(s.Dock ? crDefault : crNoDrop);
}

void ShowAnswer()
{
    TDrag& s = State();
    const Qt::CursorShape shape = AnswerShape(s);
    if (s.CursorSet) return QApplication::changeOverrideCursor(shape);
    QApplication::setOverrideCursor(shape);
    s.CursorSet = true;
}

void MoveTo(QPoint global)
{
    TDrag& s = State();
    s.Last = global;
    TControl* now = s.Dock ? dock::SiteAt(global, s.Source) : ControlAt(global);
    if (now != s.Target) {
        if (s.Target) Accepts(s, s.Target, global, dsDragLeave);
        s.Target = now;
        s.Accepted = now && Accepts(s, now, global, dsDragEnter);
    } else if (now) {
        s.Accepted = Accepts(s, now, global, dsDragMove);
    }
    if (auto* object = s.Dock ? qobject_cast<TDragDockObject*>(s.Object) : nullptr) {
        object->SetDockRect(QRect(global - s.Grab, s.Source->size()));
        object->SetFloating(!s.Accepted);
    }
    if (s.UnderWay) ShowAnswer();
}

void Start()
{
    TDrag& s = State();
    s.Started = true;
    if (s.Source->DragKind() == dkDock) {
        s.Dock = true;
        s.Grab = s.Origin - s.Source->mapToGlobal(QPoint(0, 0));
        TDragDockObject* object = nullptr;
        events::Fire(s.Source->OnStartDock, s.Source.data(), object);
        if (!s.Source) return End(false);
        if (!object) s.Made = object = new TDragDockObject(s.Source);
        s.Object = object;
    } else {
        QObject* object = nullptr;
        events::Fire(s.Source->OnStartDrag, s.Source.data(), object);
        s.Object = object ? object : s.Source.data();
    }
    if (!s.Source) return End(false);
    MoveTo(s.Last);
}

// Docks or floats the source of the dock drag `ended`, or leaves it where it is when
// cancelled, and tells the site and the source.
void EndDock(const TDrag& ended, bool drop)
{
    TControl* site = drop && ended.Accepted ? ended.Target.data() : nullptr;
    if (!site && ended.Target) Accepts(ended, ended.Target, ended.Last, dsDragLeave);
    TControl* source = ended.Source;
    QWidget* host = nullptr;
    QPoint at;
    if (drop && source) {
        const QPoint corner = ended.Last - ended.Grab;
        if (site) {
            dock::DockInto(source, site, corner);
            at = site->mapFromGlobal(ended.Last);
            events::Fire(
                site->OnDockDrop, site, qobject_cast<TDragDockObject*>(ended.Object), at.x(), at.y());
            host = site;
        } else {
            TFloatingHost* floating = dock::Float(source, corner);
            at = floating->ClientWidget()->mapFromGlobal(ended.Last);
            host = floating;
        }
    }
    if (source) events::Fire(source->OnEndDock, source, host, at.x(), at.y());
    delete ended.Made.data();
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
    if (ended.Dock) return EndDock(ended, drop);
    TControl* target = drop && ended.Accepted ? ended.Target.data() : nullptr;
    QPoint at;
    if (target) {
        at = target->mapFromGlobal(ended.Last);
        events::Fire(target->OnDragDrop, target, ended.Object.data(), at.x(), at.y());
    } else if (ended.Target) {
        // The control under the pointer hears that the drag left it for good.
        Accepts(ended, ended.Target, ended.Last, dsDragLeave);
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

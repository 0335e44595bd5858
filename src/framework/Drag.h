#pragma once
// Dragging a control onto another, the framework's way (not the desktop's drag and drop:
// the drag never leaves the program). A drag begins on a control (BeginDrag, or a left
// press on a control whose DragMode is automatic) and starts once the pointer has moved
// the threshold, or at once when immediate: the source hears OnStartDrag. Each control
// the pointer passes over is asked through OnDragOver whether it accepts the drag (one
// without the handler refuses it); the pointer shows the source's DragCursor over one
// that accepts and the "no" shape elsewhere. Releasing the left button over a control
// that accepts drops the drag there (its OnDragDrop); Esc, the right button or a release
// elsewhere cancels it. Either way the source hears OnEndDrag with the control that took
// the drop, or none. A control whose DragKind is dkDock is docked instead: the same drag
// raises the dock events (see framework/Dock.h).
#include <QPoint>

class QEvent;
class QObject;
class TControl;

namespace drag {

// The distance the pointer moves before a drag that is not immediate starts.
inline constexpr int kDefaultThreshold = 5;

void Begin(TControl* source, bool immediate, int threshold);
// Ends the drag under way: with `drop`, on the control under the pointer when it accepts.
void End(bool drop);
// Whether a drag is under way (started, or waiting for the threshold).
bool UnderWay();
// The control a drag under way was begun on; nullptr when none.
TControl* Source();

// Takes the mouse and key events a drag under way needs, before they reach any
// widget; true when the event was the drag's.
bool Filter(QObject* receiver, QEvent* event);

} // namespace drag

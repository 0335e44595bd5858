#pragma once
// Docking, the framework's way: a control whose DragKind is dkDock is dragged as a dock
// drag (see framework/Drag.h for how a drag begins, moves and ends). It hears
// OnStartDock, which may hand over a dock object of its own. The nearest control under
// the pointer whose DockSite is true (never the dragged control or one inside it) is
// asked through OnDockOver; one without the handler takes the drag. Released there, the
// control becomes the site's child where it was let go and the site hears OnDockDrop;
// released anywhere else it floats in a small tool window of its own, which goes away
// once the control is docked again. Esc or the right button cancels: the control stays
// where it was. The control hears OnEndDock with its new host, or none when cancelled.
#include "framework/Form.h"

#include <QObject>
#include <QPointer>
#include <QRect>

class TControl;

// What travels with a dock drag: the control, and where it would land now.
class TDragDockObject : public QObject {
    Q_OBJECT
public:
    explicit TDragDockObject(TControl* control);

    TControl* Control() const { return m_control; }
    // The control's bounds on the screen if it were let go now.
    QRect DockRect() const { return m_dockRect; }
    void SetDockRect(const QRect& rect) { m_dockRect = rect; }
    // Whether letting go now floats the control (no site takes it).
    bool Floating() const { return m_floating; }
    void SetFloating(bool floating) { m_floating = floating; }

private:
    QPointer<TControl> m_control;
    QRect m_dockRect;
    bool m_floating = true;
};

// The tool window a floating control lives in: its client area is the control.
class TFloatingHost : public TForm {
    Q_OBJECT
public:
    explicit TFloatingHost(TControl* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

namespace dock {

// The dock site under the screen point `global` that `control` could be docked into.
TControl* SiteAt(QPoint global, TControl* control);
// Makes `control` a child of `site` with its top left corner at the screen point
// `topLeft` (kept inside the site as far as it fits).
void DockInto(TControl* control, TControl* site, QPoint topLeft);
// Floats `control` in its tool window (a new one, unless it floats already) with the
// control's top left corner at the screen point `topLeft`; returns the window.
TFloatingHost* Float(TControl* control, QPoint topLeft);

} // namespace dock

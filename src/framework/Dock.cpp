#include "Dock.h"

#include "Control.h"
#include "MouseDelivery.h"

#include <QApplication>
#include <QChildEvent>

TDragDockObject::TDragDockObject(TControl* control)
    : QObject(nullptr)
    , m_control(control)
{
    if (control) m_dockRect = QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
}

TFloatingHost::TFloatingHost(TControl* control)
    : TForm(nullptr)
{
    SetBorderStyle(bsSizeToolWin);
    // The control's own caption where it has one, as the window's title.
    const QVariant caption = control->property("Caption");
    SetCaption(caption.isValid() ? caption.toString() : control->Name());
    // The window goes with the window the control was declared on, so a floating control
    // does not outlive its program's windows.
    if (QObject* owner = control->OwnerObject()) {
        QPointer<TFloatingHost> self(this);
        connect(owner, &QObject::destroyed, this, [self] { delete self.data(); });
    }
    ClientWidget()->installEventFilter(this);
}

bool TFloatingHost::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ClientWidget() && event->type() == QEvent::ChildRemoved) {
        // Docked somewhere else: the window has nothing left to show.
        const QList<TControl*> left = ClientWidget()->findChildren<TControl*>(Qt::FindDirectChildrenOnly);
        if (left.isEmpty()) {
            hide();
            deleteLater();
        }
    }
    return TForm::eventFilter(watched, event);
}

namespace dock {

TControl* SiteAt(QPoint global, TControl* control)
{
    QWidget* under = QApplication::widgetAt(global);
    TControl* c = under ? mouse::TargetOf(under) : nullptr;
    // The dragged control hides nothing: what lies under it is its own container.
    if (c && (c == control || control->isAncestorOf(c))) c = mouse::TargetOf(control->parentWidget());
    for (; c; c = mouse::TargetOf(c->parentWidget()))
        if (c->DockSite()) return c;
    return nullptr;
}

void DockInto(TControl* control, TControl* site, QPoint topLeft)
{
    QPoint at = site->mapFromGlobal(topLeft);
    at.setX(std::max(0, std::min(at.x(), site->width() - control->width())));
    at.setY(std::max(0, std::min(at.y(), site->height() - control->height())));
    control->SetParent(site);
    control->SetBounds(at.x(), at.y(), control->Width(), control->Height());
    // An aligned control takes its place among the site's aligned children.
    control->RealignParent();
}

TFloatingHost* Float(TControl* control, QPoint topLeft)
{
    auto* host = qobject_cast<TFloatingHost*>(control->window());
    const bool fresh = !host;
    if (fresh) {
        host = new TFloatingHost(control);
        host->SetClientWidth(control->Width());
        host->SetClientHeight(control->Height());
        control->SetParent(host->ClientWidget());
        control->SetBounds(0, 0, control->Width(), control->Height());
    }
    // The window's client area, where the control sits, goes where the control was let go.
    const QPoint clientOffset = host->ClientWidget()->mapTo(host, QPoint(0, 0));
    const QPoint corner = topLeft - clientOffset;
    host->SetBounds(corner.x(), corner.y(), host->Width(), host->Height());
    host->Show();
    return host;
}

} // namespace dock

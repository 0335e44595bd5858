#pragma once
// The pointer of a Wayland compositor, driven as a hand drives it. Under a Wayland session
// the program is an X client of Xwayland, and xdotool's input stays inside that X server:
// the compositor never sees it, so a move or size the program hands to the window manager
// (which follows the compositor's own pointer) never gets its motion. GNOME's compositor
// takes input from its remote desktop service on the session bus; this drives that.
#include <QPoint>
#include <QString>
#include <memory>

class QDBusInterface;

namespace testenv {

class CompositorPointer {
public:
    // The compositor's pointer when a Wayland session offers one (GNOME's remote desktop
    // service), else nothing.
    static std::unique_ptr<CompositorPointer> Open();
    ~CompositorPointer();

    // To a point of the screen: pinned at the top-left corner first, then moved there,
    // since the service moves the pointer only relative to where it is.
    void MoveTo(QPoint at);
    void MoveBy(QPoint by);
    void Button(bool pressed);

private:
    explicit CompositorPointer(std::unique_ptr<QDBusInterface> session);
    bool Call(const char* method, const QVariantList& args);

    std::unique_ptr<QDBusInterface> m_session;
};

} // namespace testenv

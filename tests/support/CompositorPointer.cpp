#include "CompositorPointer.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QTest>
#include <cstdio>

namespace testenv {

namespace {

const QString kService = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
// The left button by its Linux input code.
constexpr int kLeftButton = 0x110;

} // namespace

std::unique_ptr<CompositorPointer> CompositorPointer::Open()
{
    // On X11 the X server's own pointer is the one the window manager follows (mutter
    // offers the same service there, and its input would not reach the X server's).
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return nullptr;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return nullptr;
    QDBusInterface desktop(kService, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), kService, bus);
    if (!desktop.isValid()) return nullptr;
    // The session lives as long as this connection: one call to make it, the rest on it.
    const QDBusReply<QDBusObjectPath> path = desktop.call(QStringLiteral("CreateSession"));
    if (!path.isValid()) {
        std::fprintf(stderr, "compositor pointer: %s\n", qPrintable(path.error().message()));
        return nullptr;
    }
    auto session = std::make_unique<QDBusInterface>(
        kService, path.value().path(), kService + QStringLiteral(".Session"), bus);
    std::unique_ptr<CompositorPointer> pointer(new CompositorPointer(std::move(session)));
    if (!pointer->Call("Start", {})) return nullptr;
    return pointer;
}

CompositorPointer::CompositorPointer(std::unique_ptr<QDBusInterface> session)
    : m_session(std::move(session))
{
}

CompositorPointer::~CompositorPointer()
{
    if (m_session) Call("Stop", {});
}

bool CompositorPointer::Call(const char* method, const QVariantList& args)
{
    const QDBusMessage reply = m_session->callWithArgumentList(QDBus::Block, QLatin1String(method), args);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        std::fprintf(stderr, "compositor pointer: %s: %s\n", method, qPrintable(reply.errorMessage()));
        return false;
    }
    return true;
}

void CompositorPointer::MoveTo(QPoint at)
{
    Call("NotifyPointerMotionRelative", { -100000.0, -100000.0 });
    MoveBy(at);
}

void CompositorPointer::MoveBy(QPoint by)
{
    Call("NotifyPointerMotionRelative", { double(by.x()), double(by.y()) });
    // Let the compositor pass the motion on to the X server and the program.
    QTest::qWait(30);
}

void CompositorPointer::Button(bool pressed)
{
    Call("NotifyPointerButton", { kLeftButton, pressed });
    QTest::qWait(30);
}

} // namespace testenv

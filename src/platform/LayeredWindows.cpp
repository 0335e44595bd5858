#include "LayeredWindows.h"

#include "X11.h"

#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <QWindow>
#include <xcb/shape.h>
#include <xcb/xcb.h>

namespace platform {

namespace {

// Windowing platforms (Qt platform plugin names) and whether their top-level windows can
// be translucent. A platform not listed cannot.
struct PlatformEntry {
    const char* name;
    bool translucentTopLevels;
};

constexpr PlatformEntry kPlatforms[] = {
    { "xcb", true },
    { "wayland", true },
    { "windows", true },
    { "cocoa", true },
    { "offscreen", false },
    { "minimal", false },
    { "vnc", false },
    { "linuxfb", false },
    { "eglfs", false },
};

// An X screen composites when some client owns its compositing manager selection.
bool XScreenComposites()
{
    xcb_connection_t* connection = XConnection();
    if (!connection) return false;
    const xcb_atom_t selection = XAtom(connection, "_NET_WM_CM_S0");
    if (selection == XCB_ATOM_NONE) return false;
    XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr),
        &free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

bool Decide()
{
    const QString name = QGuiApplication::platformName();
    for (const PlatformEntry& entry : kPlatforms)
        if (name.startsWith(QLatin1String(entry.name))) {
            if (!entry.translucentTopLevels) return false;
            return name.startsWith(QLatin1String("xcb")) ? XScreenComposites() : true;
        }
    return false;
}

TLayeredOverride g_override = TLayeredOverride::Desktop;

} // namespace

bool LayeredWindowsAvailable()
{
    // Without an application there is no desktop yet; ask again once there is one.
    if (!qGuiApp) return false;
    if (g_override != TLayeredOverride::Desktop) return g_override == TLayeredOverride::On;
    static const bool available = Decide();
    return available;
}

void OverrideLayeredWindows(TLayeredOverride mode) { g_override = mode; }

void LetPointerThrough(QWidget* window)
{
    xcb_connection_t* connection = XConnection();
    // The native window of now: the widget's own id can still name the one Qt replaced.
    const QWindow* handle = window->windowHandle();
    if (!connection || !handle || !handle->handle()) return;
    // An empty input shape: no point of the window takes a press or a motion.
    xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_CLIP_ORDERING_UNSORTED,
        static_cast<xcb_window_t>(handle->winId()), 0, 0, 0, nullptr);
    xcb_flush(connection);
}

} // namespace platform

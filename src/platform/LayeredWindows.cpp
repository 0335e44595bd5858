#include "LayeredWindows.h"

#include <QGuiApplication>
#include <QString>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <memory>
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

bool Decide()
{
    const QString name = QGuiApplication::platformName();
    for (const PlatformEntry& entry : kPlatforms)
        if (name.startsWith(QLatin1String(entry.name))) return entry.translucentTopLevels;
    return false;
}

} // namespace

bool LayeredWindowsAvailable()
{
    // Without an application there is no desktop yet; ask again once there is one.
    if (!qGuiApp) return false;
    static const bool available = Decide();
    return available;
}

bool CompositedDesktop()
{
    if (!LayeredWindowsAvailable()) return false;
    if (!QGuiApplication::platformName().startsWith(QLatin1String("xcb"))) return true;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return false;
    // A compositing manager owns the selection _NET_WM_CM_S<screen> (ICCCM manager
    // selections); the first screen is the one the program's windows are on.
    static constexpr char kSelection[] = "_NET_WM_CM_S0";
    const xcb_intern_atom_cookie_t atomCookie
        = xcb_intern_atom(connection, 0, sizeof(kSelection) - 1, kSelection);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, atomCookie, nullptr), &std::free);
    if (!atom) return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}

} // namespace platform

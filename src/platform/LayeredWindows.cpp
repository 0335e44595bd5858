#include "LayeredWindows.h"

#include <QGuiApplication>
#include <QString>

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

} // namespace platform

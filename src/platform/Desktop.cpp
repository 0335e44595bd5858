#include "Desktop.h"

#include "X11.h"

#include <QGuiApplication>
#include <QPoint>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <xcb/xcb.h>

namespace platform {

namespace {

// The window a window property names, or none.
xcb_window_t WindowProperty(xcb_connection_t* c, xcb_window_t of, xcb_atom_t property)
{
    XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, of, property, XCB_ATOM_WINDOW, 0, 1), nullptr),
        &free);
    if (!reply || reply->type != XCB_ATOM_WINDOW || xcb_get_property_value_length(reply.get()) < 4)
        return XCB_WINDOW_NONE;
    return *static_cast<xcb_window_t*>(xcb_get_property_value(reply.get()));
}

bool XWindowManagerRuns()
{
    xcb_connection_t* c = XConnection();
    if (!c) return false;
    const xcb_atom_t check = XAtom(c, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE) return false;
    const xcb_window_t root = XRootWindow(c);
    const xcb_window_t wm = WindowProperty(c, root, check);
    // A window manager that died leaves the property naming a window that is gone.
    return wm != XCB_WINDOW_NONE && WindowProperty(c, wm, check) == wm;
}

// Whether the window manager lists `atom` among the hints it supports (_NET_SUPPORTED).
bool WindowManagerSupports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t atom)
{
    const xcb_atom_t supported = XAtom(c, "_NET_SUPPORTED");
    if (supported == XCB_ATOM_NONE || atom == XCB_ATOM_NONE) return false;
    XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, supported, XCB_ATOM_ATOM, 0, 4096), nullptr),
        &free);
    if (!reply || reply->type != XCB_ATOM_ATOM) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, atom) != atoms + count;
}

bool PlatformNamed(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0) return true;
    return false;
}

} // namespace

void ChooseWindowingPlatform(int argc, char** argv)
{
    if (PlatformNamed(argc, argv)) return;
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY")) return;
    qputenv("QT_QPA_PLATFORM", "xcb");
}

bool WindowManagerRuns()
{
    if (!qGuiApp) return false;
    const QString name = QGuiApplication::platformName();
    if (name.startsWith(QLatin1String("wayland"))) return true;
    return name == QLatin1String("xcb") && XWindowManagerRuns();
}

QPoint ScreenOrigin(const QWidget* window)
{
    xcb_connection_t* c = XConnection();
    if (!c || !window->testAttribute(Qt::WA_WState_Created) || !window->isVisible()) return window->pos();
    const xcb_window_t root = XRootWindow(c);
    XcbReply<xcb_translate_coordinates_reply_t> reply(
        xcb_translate_coordinates_reply(
            c, xcb_translate_coordinates(c, static_cast<xcb_window_t>(window->winId()), root, 0, 0), nullptr),
        &free);
    return reply ? QPoint(reply->dst_x, reply->dst_y) : window->pos();
}

bool StartWindowManagerMove(QWidget* window, QPoint grabbedAt)
{
    QWindow* handle = window->windowHandle();
    if (!handle || !WindowManagerRuns()) return false;
    xcb_connection_t* c = XConnection();
    // Wayland's own protocol carries no position: the compositor starts from the press
    // it saw itself.
    if (!c) return handle->startSystemMove();
    const xcb_window_t root = XRootWindow(c);
    const xcb_atom_t moveResize = XAtom(c, "_NET_WM_MOVERESIZE");
    if (!WindowManagerSupports(c, root, moveResize)) return false;
    constexpr uint32_t kMove = 8;
    xcb_client_message_event_t request {};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = static_cast<xcb_window_t>(window->winId());
    request.type = moveResize;
    request.data.data32[0] = static_cast<uint32_t>(grabbedAt.x());
    request.data.data32[1] = static_cast<uint32_t>(grabbedAt.y());
    request.data.data32[2] = kMove;
    request.data.data32[3] = XCB_BUTTON_INDEX_1;
    request.data.data32[4] = 1; // a normal application asks
    // The press grabbed the pointer for this client; the window manager needs it.
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char*>(&request));
    xcb_flush(c);
    return true;
}

bool LeftButtonDown()
{
    xcb_connection_t* c = XConnection();
    if (!c) return QGuiApplication::mouseButtons() & Qt::LeftButton;
    const xcb_window_t root = XRootWindow(c);
    XcbReply<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(c, xcb_query_pointer(c, root), nullptr), &free);
    return reply ? (reply->mask & XCB_KEY_BUT_MASK_BUTTON_1) != 0
                 : bool(QGuiApplication::mouseButtons() & Qt::LeftButton);
}

} // namespace platform

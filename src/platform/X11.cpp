#include "X11.h"

#include <QGuiApplication>
#include <cstring>
#include <qguiapplication_platform.h>

namespace platform {

xcb_connection_t* XConnection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t XRootWindow(xcb_connection_t* c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

xcb_atom_t XAtom(xcb_connection_t* c, const char* name)
{
    XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, static_cast<uint16_t>(strlen(name)), name), nullptr),
        &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace platform

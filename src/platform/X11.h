#pragma once
// The X server connection Qt holds, for the few requests Qt has no call for (window
// manager hints, input shapes, the pointer's state). Every function is safe to call
// where no X server is: the connection is then null.
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace platform {

template <class T> using XcbReply = std::unique_ptr<T, decltype(&free)>;

// Qt's connection, or null without an application or off X.
xcb_connection_t* XConnection();
xcb_window_t XRootWindow(xcb_connection_t* c);
// The atom of `name` (made if missing), or none.
xcb_atom_t XAtom(xcb_connection_t* c, const char* name);

} // namespace platform

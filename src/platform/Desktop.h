#pragma once
// What the desktop Quira runs on provides: which windowing platform Qt is asked for, and
// whether a window manager owns the windows' states (iconic, maximized) and their task
// bar entries.
class QPoint;
class QWidget;

namespace platform {

// In a Wayland session with an X server beside it (Xwayland), Quira runs through the X
// server: a Wayland client cannot place its own windows, read the pointer outside them,
// nor place the glow and hint layers beside its buttons, and the frame needs all of it.
// A platform the user named (QT_QPA_PLATFORM, -platform) is kept. Called before the Qt
// application is made.
void ChooseWindowingPlatform(int argc, char** argv);

// True when a window manager runs: on X while a client names itself on the root window
// (_NET_SUPPORTING_WM_CHECK pointing at a window that exists); on Wayland always (the
// compositor is the window manager); never off screen. Asked each time: a window manager
// can start or end while Quira runs.
bool WindowManagerRuns();

// Where a top-level window's top-left corner is on the screen, as the windowing system
// has it now. Qt keeps the place it last heard of, and a window manager that moves a
// window inside its frame without telling the client (weston's Xwayland) leaves that
// stale; the pointer's place within the window must not be read against it.
QPoint ScreenOrigin(const QWidget* window);

// Hands a move of a top-level window to the window manager, the window following the
// pointer as if grabbed at `grabbedAt` (screen coordinates, the press). A move started
// once the pointer has travelled the drag distance would otherwise lose that travel: the
// window manager measures the pointer from where the request says it was grabbed. False
// when no window manager moves windows on request (the caller runs the move itself).
bool StartWindowManagerMove(QWidget* window, QPoint grabbedAt);

// Whether the left mouse button is down now, as the windowing system has it. While the
// window manager moves a window it holds the pointer, and the release it sees never
// reaches Quira: the state Qt kept from the press would stay "down".
bool LeftButtonDown();

} // namespace platform

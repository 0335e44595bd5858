#pragma once
// Whether the desktop can show translucent top-level windows (layered windows with a
// per-pixel alpha). Off-screen and frame-buffer platforms cannot show such a window, and
// an X server can only while a compositing manager runs: without one (a kiosk, a virtual
// screen) a translucent window shows black. Everything that would use one (the glow
// layers of buttons and caption buttons) then does nothing.
class QWidget;

namespace platform {

bool LayeredWindowsAvailable();

// Lets the pointer through a shown layer window to whatever lies under it, as a layered
// window that is transparent to the mouse does. Qt's own flag for this is lost when it
// makes the window again with the translucent visual; this is set on the window the
// server has now. Nothing to do where no X server is.
void LetPointerThrough(QWidget* window);

// Tests of the layers themselves run them on a plain virtual screen: they say here
// that layers are to be used (true/false), or give the decision back to the desktop.
enum class TLayeredOverride { Desktop, On, Off };
void OverrideLayeredWindows(TLayeredOverride mode);

} // namespace platform

#pragma once
// Whether the desktop can show translucent top-level windows (layered windows with a
// per-pixel alpha). Decided once from the windowing platform the application runs on:
// off-screen and frame-buffer platforms cannot show such a window, and everything that
// would use one (the glow layers of buttons and caption buttons) then does nothing.
namespace platform {

bool LayeredWindowsAvailable();

// Whether translucent windows show as translucent now: on X11 only while a compositing
// manager runs (without one an ARGB window covers what lies below it, black where it is
// transparent); elsewhere as LayeredWindowsAvailable says.
bool CompositedDesktop();

} // namespace platform

#pragma once
// The frame drawn without a skin: its caption buttons' places and their glyphs. Pure
// geometry and drawing from given state, shared by the default paint and the default
// hit test.
#include "ObjectLayout.h"

#include <QRect>
#include <span>

class QPainter;

namespace veneer {

// The desktop's small-icon size, which the system-menu button takes when it shows the
// form's icon: 16 × 16 on Linux desktops.
inline constexpr QSize kSmallIconSize { 16, 16 };

// The side of a default caption button: tool windows get smaller ones.
int DefaultButtonSize(bool toolWindow);

// Places the default caption buttons of a frame `frameWidth` wide, right to left from
// three pixels inside the right edge: the first shown button of close, maximize,
// minimize, roll-up and minimize-to-tray, in this order, each a square of
// DefaultButtonSize four pixels below the top; then the system-menu button, when shown,
// at the left, `sysMenuSize` large (the small-icon size when the frame shows the icon).
// Returns the caption text area that is left between them (frame coordinates).
QRect LayoutDefaultButtons(
    std::span<TvnLayoutObject> objects, int frameWidth, bool toolWindow, QSize sysMenuSize);

// How a default caption button is drawn.
struct TvnDefaultButtonLook {
    TvnSkinCommand Command = TvnSkinCommand::cmClose;
    bool Available = true;
    bool MouseIn = false;
    bool Pressed = false;
    // The frame state that swaps a glyph for its restore form.
    bool Maximized = false;
    bool Minimized = false;
    bool RolledUp = false;
};

// A default caption button filling `rect`: button face, the hover ring and fill while
// the mouse is in, and its command's glyph.
void DrawDefaultButton(QPainter& painter, const QRect& rect, const TvnDefaultButtonLook& look);

} // namespace veneer

#pragma once
// The studio skin's colours. Dark slate faces, light grey text and one calm steel-blue
// accent for what is selected, focused or under the mouse. Every text colour here is
// checked against the faces it is drawn on (tests/studio_skin).
#include "platform/Colors.h"

#include <QColor>
#include <QRgb>

namespace palette {

// Outlines and the darkest shades.
inline constexpr QRgb Ink = 0x0C0E11;
inline constexpr QRgb Shade = 0x16191D;
inline constexpr QRgb Groove = 0x1F2328;

// Window frame and caption band.
inline constexpr QRgb CaptionTop = 0x3B424D;
inline constexpr QRgb CaptionBottom = 0x2A2F37;
inline constexpr QRgb FrameBody = 0x2A2F37;
inline constexpr QRgb FrameBevel = 0x56606C;

// Surfaces, from the window background up to raised faces.
inline constexpr QRgb Window = 0x23272D; // client area of a window
inline constexpr QRgb Face = 0x2A2F36; // panels, group boxes, pages
inline constexpr QRgb FaceBand = 0x333942; // caption bands of group boxes
inline constexpr QRgb RaisedTop = 0x4A515C; // buttons
inline constexpr QRgb RaisedBottom = 0x393F48;
inline constexpr QRgb HotTop = 0x56606D;
inline constexpr QRgb HotBottom = 0x454D58;
inline constexpr QRgb DownTop = 0x2A2F36;
inline constexpr QRgb DownBottom = 0x323840;
inline constexpr QRgb Flat = 0x30353C; // disabled faces
inline constexpr QRgb Field = 0x1B1E23; // edits, lists, grids

// Edges.
inline constexpr QRgb Edge = 0x434A55; // borders of faces and fields
inline constexpr QRgb EdgeLight = 0x5A6370; // top highlights
inline constexpr QRgb EdgeDisabled = 0x3A4048;
inline constexpr QRgb Line = 0x2E333A; // grid lines, separators

// The accent.
inline constexpr QRgb Accent = 0x4C8DBA;
inline constexpr QRgb AccentLight = 0x6FA9D2;
inline constexpr QRgb SelectTop = 0x2F6189;
inline constexpr QRgb SelectBottom = 0x29557A;
inline constexpr QRgb FocusTop = 0x3A78A7;
inline constexpr QRgb FocusBottom = 0x326A96;
inline constexpr QRgb CloseHot = 0xB0463E;
inline constexpr QRgb CloseDown = 0x8C352F;

// Text.
inline constexpr QRgb Text = 0xD8DADB; // the label colour the windows are laid out with
inline constexpr QRgb TextBright = 0xF2F3F5;
inline constexpr QRgb TextMuted = 0xB9BEC5;
inline constexpr QRgb TextDisabled = 0xA3A8AF;
inline constexpr QRgb White = 0xFFFFFF;

// Glyphs on caption buttons and arrows.
inline constexpr QRgb Glyph = 0xC9CDD3;
inline constexpr QRgb GlyphInactive = 0x8E949C;
inline constexpr QRgb GlyphDisabled = 0x5D636B;

// The colour left out of images drawn with a transparent colour.
inline constexpr QRgb KeyColour = 0xFF00FF;

// A colour as the skin description writes it (0x00BBGGRR).
constexpr TColor ToTColor(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

} // namespace palette

namespace palette {

// The main menu bar and popup menus.
inline constexpr QRgb MenuBarTop = 0x323840;
inline constexpr QRgb MenuBarBottom = 0x2A2F36;
inline constexpr QRgb Menu = 0x272B31;

// Tool bars: an even face, so tool buttons of any height sit on it without a seam.
inline constexpr QRgb ToolTop = 0x32373F;
inline constexpr QRgb ToolBottom = 0x2D3239;

} // namespace palette

#pragma once
// Formatted text as the classic DrawText call lays it out: alignment, word breaks, tab
// expansion, accelerator prefixes and the two ellipsis kinds, with a measuring mode that
// reports the rectangle the text needs instead of drawing it. Labels, captions and the
// skinned controls all draw their text through this one routine.
#include <QRect>
#include <QString>

class QFont;
class QPainter;

namespace dt {
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;
inline constexpr unsigned DT_RTLREADING = 0x20000;
} // namespace dt

namespace platform {

// Draws `text` in `rect` with the painter's font and pen. With DT_CALCRECT nothing is
// drawn: `rect` keeps its top-left corner and takes the text's width (or, with
// DT_WORDBREAK, keeps its width) and height. Returns the height of the text.
int DrawText(QPainter& painter, const QString& text, QRect& rect, unsigned format);

// The same measurement without a painter.
QRect MeasureText(const QFont& font, const QString& text, const QRect& rect, unsigned format);

// What an ellipsis flag leaves of `text` in `width` pixels: the text itself when it fits;
// with DT_END_ELLIPSIS its last characters dropped until the rest and "..." fit; with
// DT_PATH_ELLIPSIS the last path component kept and characters before it replaced by
// "...".
QString EllipsizedText(const QFont& font, const QString& text, int width, unsigned format);

} // namespace platform

#pragma once
// Glyph and caption of a button: where the two go in the client rectangle for each
// layout, and the drawing routine the skinned buttons share.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace vnbutton {
Q_NAMESPACE
enum TvnButtonLayout { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };
Q_ENUM_NS(TvnButtonLayout)
} // namespace vnbutton

using vnbutton::TvnButtonLayout;

namespace vnutils {

struct TvnGlyphTextPlace {
    QPoint Glyph;
    QPoint Text;
    friend bool operator==(const TvnGlyphTextPlace&, const TvnGlyphTextPlace&) = default;
};

// Top-left corners of glyph and text in `r`. `margin` is the glyph's distance from the
// edge it sits at, or -1 to centre glyph and text together; `spacing` separates them
// and counts as 0 when there is no glyph (zero glyph width).
TvnGlyphTextPlace LayoutGlyphAndText(
    const QRect& r, TvnButtonLayout layout, int margin, int spacing, QSize glyph, QSize text);

// Cell `index` (counted from 1) of a glyph bitmap holding `count` glyphs side by side,
// with the bitmap's transparent colour (its bottom-left pixel) made transparent.
QImage GlyphCell(const QImage& glyphs, int count, int index);

// The font a caption holds until its own is set: one kept copy, since a default QFont
// asks the application for its font each time, a large share of a kept look's repaint.
const QFont& UnsetCaptionFont();

struct TvnGlyphCaption {
    QRect ClientRect;
    TvnButtonLayout Layout = vnbutton::blGlyphLeft;
    int Margin = -1;
    int Spacing = 1;
    QImage Glyph; // ready to draw (transparency in its alpha), or null
    bool GlyphFromBitmap = false; // the glyph source is a glyph bitmap (not an image list)
    QString Caption; // '&' marks the accelerator
    QFont Font = UnsetCaptionFont();
    QColor TextColor;
    bool Pressed = false; // glyph and text move one pixel right and down
    bool ColorMark = false;
    QColor MarkColor;
    friend bool operator==(const TvnGlyphCaption&, const TvnGlyphCaption&) = default;
};

// Measures the caption (word wrap, tabs) in the client rectangle less the glyph, lays
// glyph and caption out, draws both and, with ColorMark, the colour mark.
void DrawGlyphAndCaption(QPainter& painter, const TvnGlyphCaption& item);

} // namespace vnutils

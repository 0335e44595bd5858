#pragma once
// The caption text's effects: a glow, a soft glow and a reflection of the text, each
// worked out from the text's coverage (how much of every pixel the glyphs cover, 0..255)
// and drawn in its own colour under the text. Coverage images are Format_Alpha8; the
// functions keep no state and work row by row.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace vneffects {

// The coverage of one line of `text` in `font`, drawn at the top-left of a picture of
// `size`: the pixels a plain drawing of the text would paint, as alpha.
QImage TextCoverage(const QString& text, const QFont& font, QSize size);

// The glow around a coverage: grown by `size` pixels on every side, each pixel takes
// the strongest covered pixel at most `size` rows and columns away, weakened by that
// distance d to c (size + 1 - d) div (size + 1). A single fully covered pixel with size
// 2 glows 255, 170 and 85 in its rings. A size below 0 counts as 0.
QImage GlowCoverage(const QImage& coverage, int size);

// The soft glow: the coverage grown by kSoftGlowRadius (each pixel the strongest within
// that many rows and columns), then averaged over a square of side 2 kSoftGlowRadius + 1
// (sum div 49, truncated). The result is grown by 2 kSoftGlowRadius on every side.
inline constexpr int kSoftGlowRadius = 3;
QImage SoftGlowCoverage(const QImage& coverage);

// The reflection: the coverage upside down (its bottom row first), fading from half
// strength: row j of h rows is source row h - 1 - j times (h - j) div 2h.
QImage ReflectionCoverage(const QImage& coverage);

// A coverage in one colour: premultiplied pixels of `color` at the coverage's alpha.
QImage TintCoverage(const QImage& coverage, QColor color);

} // namespace vneffects

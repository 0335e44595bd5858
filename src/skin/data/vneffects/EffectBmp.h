#pragma once
// TvnEffectBmp: a picture as rows of 32-bit pixels (blue, green, red, unused byte) on
// which the inactive-window effects and the morphs between two looks work, row by row,
// with no per-pixel call into the graphics system.
#include "../SkinTypes.h"

#include <QImage>
#include <QtGlobal>

class QPainter;
class QRandomGenerator;

class TvnEffectBmp {
public:
    // An empty (black) picture of the given size.
    TvnEffectBmp(int width, int height);
    // A copy of `source`'s pixels.
    explicit TvnEffectBmp(const QImage& source);

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    quint32* Row(int y) { return reinterpret_cast<quint32*>(m_image.scanLine(y)); }
    const quint32* Row(int y) const { return reinterpret_cast<const quint32*>(m_image.constScanLine(y)); }
    const QImage& Image() const { return m_image; }
    void Draw(QPainter& painter, int x, int y) const;

    // ---- Inactive looks. Every result is rounded half to even and clamped to 0..255.
    // Each channel c becomes (1 - x) c + 255 x, x clamped to 0..1.
    void Brightness(double x);
    // Each channel c becomes (1 - x) c, x clamped to 0..1.
    void Darkness(double x);
    // All channels become 0.3 red + 0.59 green + 0.11 blue.
    void Grayscale();
    // One random value in 0..amount-1, less amount div 2, added to all channels of a pixel.
    void Noise(int amount);
    void Noise(int amount, QRandomGenerator& random);
    // Each pixel becomes the average of the four pixels `offset` rows and columns away
    // diagonally. Rows are changed in place from the top, so the row above is already
    // blurred; a row or column outside the picture is replaced by the pixel's own.
    void SplitBlur(int offset);
    // Each channel c becomes c xor 255.
    void Invert();
    // The effect a window frame uses for `kind`, with the frame's amounts: brightness
    // 0.5, darkness 0.3, noise 50, split blur 1.
    void ApplyInactiveEffect(TvnInactiveEffect kind);

    // ---- Morphs: this picture (the old look) moves towards `to` (the new look) by
    // factor k in 0..1. Nothing happens when the two differ in size.
    void Morph(const TvnEffectBmp& to, TvnMorphKind kind, double k);

private:
    QImage m_image;
};

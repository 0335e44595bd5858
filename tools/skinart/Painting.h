#pragma once
// Painting primitives of the studio skin's artwork: faces with a gradient, a rounded
// outline and a top highlight, fine texture, and the cut of shaped images whose
// surroundings must be left out when they are drawn (transparent colour).
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRgb>
#include <optional>

namespace art {

// A picture of `size` filled with one colour.
QImage NewPicture(QSize size, QRgb fill);

// A painter on `image` with antialiasing on.
class TArtPainter : public QPainter {
public:
    explicit TArtPainter(QImage& image);
};

// A face: a rounded rectangle filled top to bottom with a gradient, an outline and a
// highlight line inside its top edge.
struct TFace {
    QRgb Top = 0;
    QRgb Bottom = 0;
    std::optional<QRgb> Border;
    std::optional<QRgb> Highlight;
    qreal Radius = 0;
};

void PaintFace(QPainter& painter, const QRect& rect, const TFace& face);

// A top-to-bottom gradient over a whole rectangle, row by row (no rounding).
void FillVertical(QImage& image, const QRect& rect, QRgb top, QRgb bottom);
// The same from left to right.
void FillHorizontal(QImage& image, const QRect& rect, QRgb left, QRgb right);

// One-pixel lines, on the pixel grid.
void HLine(QImage& image, int x0, int x1, int y, QRgb colour); // x0 .. x1 - 1
void VLine(QImage& image, int x, int y0, int y1, QRgb colour); // y0 .. y1 - 1

// Fine luminance texture: every pixel of `rect` moves by the same random amount in
// -amplitude .. amplitude on all three channels. The seed makes the artwork
// reproducible.
void AddNoise(QImage& image, const QRect& rect, int amplitude, quint32 seed);

// Sets every pixel of `rect` whose centre lies outside the rounded rectangle (or the
// ellipse) filling `rect` to `key`, so that drawing the image with `key` transparent
// shows only the shape.
void KeyOutsideRounded(QImage& image, const QRect& rect, qreal radius, QRgb key);
void KeyOutsideEllipse(QImage& image, const QRect& rect, QRgb key);

// Whether the point lies inside the rounded rectangle filling `rect`.
bool InsideRounded(const QRect& rect, qreal radius, qreal x, qreal y);

// A glow mask of `size`: white (shown) on the ring inside the rounded `outer` and
// outside the rounded `inner`, black elsewhere.
QImage RingMask(QSize size, const QRect& outer, qreal outerRadius, const QRect& inner, qreal innerRadius);

// A window mask of `size`: black where `inside` holds for the pixel's centre, white
// (the desktop shows through) elsewhere.
QImage ShapeMask(QSize size, bool (*inside)(qreal x, qreal y));

// The colour between `a` and `b` at t in 0..1.
QRgb Mix(QRgb a, QRgb b, qreal t);

} // namespace art

#include "Painting.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

namespace art {

QImage NewPicture(QSize size, QRgb fill)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(fill));
    return image;
}

TArtPainter::TArtPainter(QImage& image)
    : QPainter(&image)
{
    setRenderHint(QPainter::Antialiasing);
}

QRgb Mix(QRgb a, QRgb b, qreal t)
{
    const auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

void PaintFace(QPainter& painter, const QRect& rect, const TFace& face)
{
    painter.save();
    const QRectF area(rect);
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, QColor(face.Top));
    gradient.setColorAt(1, QColor(face.Bottom));
    QPainterPath shape;
    shape.addRoundedRect(area, face.Radius, face.Radius);
    painter.fillPath(shape, gradient);

    if (face.Highlight) {
        // Inside the outline, clear of the rounded corners.
        const qreal inset = std::max<qreal>(face.Radius, 1.5);
        painter.setPen(QPen(QColor(*face.Highlight), 1));
        const qreal y = area.top() + (face.Border ? 1.5 : 0.5);
        painter.drawLine(QPointF(area.left() + inset, y), QPointF(area.right() - inset, y));
    }
    if (face.Border) {
        painter.setPen(QPen(QColor(*face.Border), 1));
        painter.setBrush(Qt::NoBrush);
        const qreal r = std::max<qreal>(face.Radius - 0.5, 0);
        painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), r, r);
    }
    painter.restore();
}

void FillVertical(QImage& image, const QRect& rect, QRgb top, QRgb bottom)
{
    const int h = rect.height();
    for (int y = 0; y < h; ++y)
        HLine(image, rect.x(), rect.x() + rect.width(), rect.y() + y,
            Mix(top, bottom, h > 1 ? qreal(y) / (h - 1) : 0));
}

void FillHorizontal(QImage& image, const QRect& rect, QRgb left, QRgb right)
{
    const int w = rect.width();
    for (int x = 0; x < w; ++x)
        VLine(image, rect.x() + x, rect.y(), rect.y() + rect.height(),
            Mix(left, right, w > 1 ? qreal(x) / (w - 1) : 0));
}

void HLine(QImage& image, int x0, int x1, int y, QRgb colour)
{
    if (y < 0 || y >= image.height()) return;
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = std::max(x0, 0); x < std::min(x1, image.width()); ++x)
        line[x] = 0xFF000000u | colour;
}

void VLine(QImage& image, int x, int y0, int y1, QRgb colour)
{
    if (x < 0 || x >= image.width()) return;
    for (int y = std::max(y0, 0); y < std::min(y1, image.height()); ++y)
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = 0xFF000000u | colour;
}

void AddNoise(QImage& image, const QRect& rect, int amplitude, quint32 seed)
{
    QRandomGenerator random(seed);
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const int d = random.bounded(2 * amplitude + 1) - amplitude;
            const auto add = [d](int c) { return std::clamp(c + d, 0, 255); };
            line[x] = qRgb(add(qRed(line[x])), add(qGreen(line[x])), add(qBlue(line[x])));
        }
    }
}

namespace {

template <class Outside> void KeyWhere(QImage& image, const QRect& rect, QRgb key, Outside outside)
{
    for (int y = 0; y < rect.height(); ++y)
        for (int x = 0; x < rect.width(); ++x)
            if (outside(x + 0.5, y + 0.5)) image.setPixel(rect.x() + x, rect.y() + y, 0xFF000000u | key);
}

} // namespace

bool InsideRounded(const QRect& rect, qreal radius, qreal x, qreal y)
{
    const qreal left = rect.x(), top = rect.y();
    const qreal right = left + rect.width(), bottom = top + rect.height();
    if (x < left || x > right || y < top || y > bottom) return false;
    // Distance from the corner circle the point lies beside, if any.
    const qreal cx = std::clamp(x, left + radius, right - radius);
    const qreal cy = std::clamp(y, top + radius, bottom - radius);
    return std::hypot(x - cx, y - cy) <= radius;
}

void KeyOutsideRounded(QImage& image, const QRect& rect, qreal radius, QRgb key)
{
    KeyWhere(image, rect, key,
        [&](qreal x, qreal y) { return !InsideRounded(rect, radius, rect.x() + x, rect.y() + y); });
}

QImage RingMask(QSize size, const QRect& outer, qreal outerRadius, const QRect& inner, qreal innerRadius)
{
    QImage mask = NewPicture(size, 0x000000);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (InsideRounded(outer, outerRadius, x + 0.5, y + 0.5)
                && !InsideRounded(inner, innerRadius, x + 0.5, y + 0.5))
                mask.setPixel(x, y, 0xFFFFFFFFu);
    return mask;
}

void KeyOutsideEllipse(QImage& image, const QRect& rect, QRgb key)
{
    const qreal rx = rect.width() / 2.0, ry = rect.height() / 2.0;
    KeyWhere(image, rect, key, [&](qreal x, qreal y) {
        const qreal dx = (x - rx) / rx, dy = (y - ry) / ry;
        return dx * dx + dy * dy > 1.0;
    });
}

QImage ShapeMask(QSize size, bool (*inside)(qreal x, qreal y))
{
    QImage mask = NewPicture(size, 0xFFFFFF);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (inside(x + 0.5, y + 0.5)) mask.setPixel(x, y, 0xFF000000u);
    return mask;
}

} // namespace art

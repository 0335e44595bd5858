#include "SkinPieces.h"

#include "skin/data/vnUtils/GlyphLayout.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vneffects/Rounding.h"

#include <QPainter>

namespace vnctrls {

QImage TransparentPiece(const QImage& picture, const QRect& r)
{
    if (vnutils::RectEmpty(r) || picture.isNull()) return QImage();
    // A glyph bitmap of one cell takes its transparent colour the same way.
    return vnutils::GlyphCell(picture.copy(r), 1, 1);
}

QImage LightenedHalfway(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            auto up = [](int c) { return vneffects::RoundHalfEven(c * 0.5 + 255 * 0.5); };
            row[x] = qRgba(up(qRed(row[x])), up(qGreen(row[x])), up(qBlue(row[x])), qAlpha(row[x]));
        }
    }
    return out;
}

void DrawFocusRect(QPainter& painter, const QRect& r, TColor face)
{
    if (r.width() < 1 || r.height() < 1) return;
    const QColor background = ToQColor(face);
    painter.save();
    painter.setPen(QPen(
        QColor(255 - background.red(), 255 - background.green(), 255 - background.blue()), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace vnctrls

namespace vnctrls {

QImage KeyedPiece(const QImage& picture, const QRect& r, TColor key)
{
    if (r.width() <= 0 || r.height() <= 0) return QImage();
    QImage piece = picture.copy(r).convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = ToQColor(key).rgb() & 0xFFFFFF;
    for (int y = 0; y < piece.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(piece.scanLine(y));
        for (int x = 0; x < piece.width(); ++x)
            if ((line[x] & 0xFFFFFF) == transparent) line[x] = 0;
    }
    return piece;
}

} // namespace vnctrls

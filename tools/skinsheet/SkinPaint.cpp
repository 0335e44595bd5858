#include "SkinPaint.h"

#include "framework/Font.h"
#include "skin/data/vnUtils/NinePart.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/ThreePartStrip.h"

using namespace vnutils;

namespace sheet {

TResize ResizeMode(const TvnDataSkinCustomControl& r)
{
    if (r.Geometry.Corners.RightBottom.x() != 0 && r.Geometry.Corners.RightBottom.y() != 0)
        return TResize::Both;
    if (r.Geometry.Corners.RightTop.x() != 0 || r.Geometry.Corners.RightTop.y() != 0) return TResize::Across;
    if (r.Geometry.Corners.LeftBottom.x() != 0 || r.Geometry.Corners.LeftBottom.y() != 0)
        return TResize::Down;
    return TResize::Fixed;
}

QSize SizeFor(const TvnDataSkinCustomControl& r, QSize wanted)
{
    switch (ResizeMode(r)) {
    case TResize::Both:
        return wanted;
    case TResize::Across:
        return QSize(wanted.width(), r.SkinRect.height());
    case TResize::Down:
        return QSize(r.SkinRect.width(), wanted.height());
    case TResize::Fixed:
        break;
    }
    return r.SkinRect.size();
}

QImage ComposeFace(const TvnSkinData& skin, const TvnDataSkinCustomControl& r, const QRect& face, QSize size)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    size = SizeFor(r, size);
    switch (ResizeMode(r)) {
    case TResize::Both: {
        const TvnNinePart parts { face, r.Geometry };
        QImage target;
        ComposeNineParts(target, picture, parts, StandardTarget(parts, size));
        return target;
    }
    case TResize::Across:
        return HorizontalStrip(picture, face, r.Geometry.Corners.LeftTop.x(),
            face.width() - r.Geometry.Corners.RightTop.x(), size.width(), r.Geometry.StretchEffect);
    case TResize::Down:
        return VerticalStrip(picture, face, r.Geometry.Corners.LeftTop.y(),
            face.height() - r.Geometry.Corners.LeftBottom.y(), size.height(), r.Geometry.StretchEffect);
    case TResize::Fixed:
        break;
    }
    return Part(picture, face);
}

QRect ClientAt(const TvnDataSkinCustomControl& r, QSize size)
{
    size = SizeFor(r, size);
    const int dx = size.width() - r.SkinRect.width();
    const int dy = size.height() - r.SkinRect.height();
    return QRect(r.Geometry.ClientRect.topLeft(), r.Geometry.ClientRect.size() + QSize(dx, dy));
}

QImage Part(const QImage& picture, const QRect& rect)
{
    return picture.copy(rect).convertToFormat(QImage::Format_RGB32);
}

QImage Strip(const QImage& picture, const QRect& rect, int left, int right, int width, bool stretch)
{
    return HorizontalStrip(picture, rect, left, right, width, stretch);
}

QFont SkinFont(const QString& name, int height, TFontStyles style)
{
    TFont font;
    font.SetName(name);
    font.SetHeight(height);
    font.SetStyle(style);
    return font.ToQFont();
}

QColor Colour(TColor colour) { return ToQColor(ColorToRGB(colour)); }

void DrawLine(
    QPainter& painter, const QRect& rect, const QString& text, const QFont& font, TColor colour, int flags)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(Colour(colour));
    painter.setClipRect(rect);
    painter.drawText(rect, flags | Qt::TextSingleLine, text);
    painter.restore();
}

TColor PixelColour(const QImage& picture, QPoint at)
{
    if (!picture.rect().contains(at)) return 0;
    return FromQColor(picture.pixelColor(at));
}

void DrawTransparent(
    QPainter& painter, QPoint at, const QImage& picture, const QRect& part, TColor transparent)
{
    QImage piece = picture.copy(part).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = Colour(transparent).rgb() & 0xFFFFFF;
    for (int y = 0; y < piece.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(piece.scanLine(y));
        for (int x = 0; x < piece.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
    }
    painter.drawImage(at, piece);
}

void DrawAutoTransparent(QPainter& painter, QPoint at, const QImage& picture, const QRect& part)
{
    DrawTransparent(painter, at, picture, part, PixelColour(picture, QPoint(part.x(), RectBottom(part) - 1)));
}

QColor GroupFace(const TvnSkinData& skin)
{
    const auto* group
        = skin.ControlSkinAs<TvnDataSkinPanelControl>(skin.FindControlSkin(QStringLiteral("groupbox")));
    if (!group) return QColor(Qt::gray);
    const QPoint inside = group->SkinRect.topLeft() + group->Geometry.ClientRect.topLeft() + QPoint(1, 1);
    return skin.Picture(group->PictureIndex).pixelColor(inside);
}

QColor WindowFace(const TvnSkinData& skin)
{
    return skin.MainPicture.pixelColor(skin.Geometry.ClientRect.topLeft() + QPoint(1, 1));
}

QImage Canvas(QSize size, const QColor& background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

} // namespace sheet

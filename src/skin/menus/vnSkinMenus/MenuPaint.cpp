#include "MenuPaint.h"

#include "skin/data/vnUtils/MaskRegion.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/ThreePartStrip.h"

#include <QPainter>
#include <QPolygon>

namespace vnmenus {

namespace {

using vnutils::RectEmpty;
using vnutils::RectRight;

void DrawWindow(QImage& image, const TvnMenuLook& look)
{
    if (!look.WindowPicture.isNull()) {
        vnutils::ComposeNineParts(
            image, look.WindowPicture, look.Window, vnutils::StandardTarget(look.Window, image.size()));
        return;
    }
    QPainter p(&image);
    p.fillRect(image.rect(), look.Face);
    const QRect r = image.rect();
    p.setPen(look.Light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(look.Shadow);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

// A skin strip widened to the row, centred in it down.
void DrawStrip(QPainter& p, const TvnMenuLook& look, const QRect& row, const QRect& source, int left,
    int right, bool stretch)
{
    const QImage strip
        = vnutils::HorizontalStrip(look.ItemPicture, source, left, right, row.width(), stretch);
    if (!strip.isNull()) p.drawImage(row.x(), row.y() + (row.height() - strip.height()) / 2, strip);
}

void DrawSeparator(QPainter& p, const TvnMenuLook& look, const QRect& row)
{
    if (look.Skinned && !RectEmpty(look.DividerRect) && !look.ItemPicture.isNull()) {
        DrawStrip(p, look, row, look.DividerRect, look.DividerLeft, look.DividerRight, look.StretchDivider);
        return;
    }
    const int y = row.y() + row.height() / 2 - 1;
    p.setPen(look.Shadow);
    p.drawLine(row.x() + 4, y, RectRight(row) - 5, y);
    p.setPen(look.Light);
    p.drawLine(row.x() + 4, y + 1, RectRight(row) - 5, y + 1);
}

void DrawRowFace(QPainter& p, const TvnMenuLook& look, const QRect& row, bool selected)
{
    if (look.Skinned && !look.ItemPicture.isNull() && !RectEmpty(look.ItemRect)) {
        if (selected)
            DrawStrip(p, look, row, look.ActiveItemRect, look.ItemLeft, look.ItemRight, look.StretchItems);
        else if (!look.InactiveTransparent)
            DrawStrip(p, look, row, look.ItemRect, look.ItemLeft, look.ItemRight, look.StretchItems);
        return;
    }
    if (selected) p.fillRect(row, look.Highlight);
}

// A skin image (check or arrow) centred on `at`'s middle down; without one a drawn mark.
void DrawMark(QPainter& p, const TvnMenuLook& look, const QRect& source, QPoint topLeft, int rowHeight,
    const QColor& color, bool arrow)
{
    if (look.Skinned && !RectEmpty(source) && !look.ItemPicture.isNull()) {
        p.drawImage(topLeft.x(), topLeft.y() + (rowHeight - source.height()) / 2, look.ItemPicture,
            source.x(), source.y(), source.width(), source.height());
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 1.6));
    p.setBrush(color);
    const int cy = topLeft.y() + rowHeight / 2;
    const int x = topLeft.x();
    if (arrow)
        p.drawPolygon(QPolygon({ QPoint(x + 4, cy - 4), QPoint(x + 8, cy), QPoint(x + 4, cy + 4) }));
    else
        p.drawPolyline(QPolygon({ QPoint(x + 4, cy), QPoint(x + 7, cy + 3), QPoint(x + 12, cy - 3) }));
    p.restore();
}

void DrawItem(QPainter& p, const TvnMenuLook& look, const TvnMenuItem& item, const QRect& row, bool selected)
{
    DrawRowFace(p, look, row, selected);
    const QColor color
        = !item.Enabled ? look.DisabledTextColor : (selected ? look.ActiveTextColor : look.TextColor);
    const bool hasArrow = !item.Items.empty();
    if (item.Checked) {
        const QRect image = selected ? look.ActiveCheckImage : look.CheckImage;
        const int x = RectEmpty(look.ImageRect) ? row.x() + 4 : row.x() + look.ImageRect.x();
        DrawMark(p, look, image, QPoint(x, row.y()), row.height(), color, false);
    }
    int right = RectRight(row) - look.TextRightMargin;
    if (hasArrow) {
        const QRect image = selected ? look.ActiveArrowImage : look.ArrowImage;
        const int w = RectEmpty(image) ? 12 : image.width();
        DrawMark(p, look, image, QPoint(RectRight(row) - w - 4, row.y()), row.height(), color, true);
        right = std::min(right, RectRight(row) - w - 8);
    }
    p.setFont(look.Font);
    p.setPen(color);
    const QRect text(
        row.x() + look.TextLeft, row.y(), std::max(0, right - row.x() - look.TextLeft), row.height());
    p.drawText(
        text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, item.Caption);
    if (!item.ShortCut.isEmpty())
        p.drawText(text, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, item.ShortCut);
}

// A scroll marker: a small arrow in the middle of its strip, pointing the way it
// scrolls, lit while the pointer rests on it, greyed when there is nothing more that way.
void DrawScrollMarker(QPainter& p, const TvnMenuLook& look, const QRect& marker, bool up, bool live, bool hot)
{
    const QColor skinned = hot ? look.ScrollMarkerActiveColor : look.ScrollMarkerColor;
    const QColor color = !live ? look.DisabledTextColor : (skinned.isValid() ? skinned : look.TextColor);
    const int cx = marker.x() + marker.width() / 2;
    const int cy = marker.y() + marker.height() / 2;
    const int tip = up ? -2 : 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygon({ QPoint(cx - 4, cy - tip), QPoint(cx + 4, cy - tip), QPoint(cx, cy + tip * 2) }));
    p.restore();
}

} // namespace

QImage DrawMenu(const TvnMenuSnapshot& s)
{
    QImage image(s.Layout->Size, QImage::Format_RGB32);
    image.fill(s.Look->Face);
    DrawWindow(image, *s.Look);
    QPainter p(&image);
    for (std::size_t i = 0; i < s.Items->size(); ++i) {
        const TvnMenuItem& item = (*s.Items)[i];
        const QRect& row = s.Layout->Rows[i];
        if (!item.Visible || row.isEmpty()) continue;
        if (item.IsSeparator())
            DrawSeparator(p, *s.Look, row);
        else
            DrawItem(p, *s.Look, item, row, int(i) == s.Selected);
    }
    if (s.Layout->Scrolls()) {
        DrawScrollMarker(p, *s.Look, s.Layout->UpMarker, true, s.Layout->CanScrollUp, s.HotMarker < 0);
        DrawScrollMarker(p, *s.Look, s.Layout->DownMarker, false, s.Layout->CanScrollDown, s.HotMarker > 0);
    }
    return image;
}

std::optional<QRegion> MenuShape(const TvnMenuLook& look, QSize size)
{
    if (look.WindowMask.isNull()) return std::nullopt;
    return vnutils::WindowRegionFromMask(
        look.WindowMask, look.Window, vnutils::StandardTarget(look.Window, size));
}

} // namespace vnmenus

#include "GlyphLayout.h"

#include "SkinRect.h"

#include <QFontMetrics>
#include <QPainter>

namespace vnutils {

const QFont& UnsetCaptionFont()
{
    static const QFont font;
    return font;
}

TvnGlyphTextPlace LayoutGlyphAndText(
    const QRect& r, TvnButtonLayout layout, int margin, int spacing, QSize glyph, QSize text)
{
    const int gw = glyph.width(), gh = glyph.height(), tw = text.width(), th = text.height();
    const int s = gw == 0 ? 0 : spacing;
    const int cx = r.x() + r.width() / 2;
    const int cy = r.y() + r.height() / 2;
    const int h = (gw + tw + s) / 2;
    const int v = (gh + th + s) / 2;
    TvnGlyphTextPlace p;
    if (margin != -1) {
        switch (layout) {
        case vnbutton::blGlyphLeft:
            p.Glyph = { r.x() + margin, cy - gh / 2 };
            p.Text = { r.x() + margin + gw + s, cy - th / 2 };
            break;
        case vnbutton::blGlyphRight:
            p.Glyph = { RectRight(r) - gw - margin, cy - gh / 2 };
            p.Text = { p.Glyph.x() - s - tw, cy - th / 2 };
            break;
        case vnbutton::blGlyphTop:
            p.Glyph = { cx - gw / 2, r.y() + margin };
            p.Text = { cx - tw / 2, p.Glyph.y() + gh + s };
            break;
        case vnbutton::blGlyphBottom:
            p.Glyph = { cx - gw / 2, RectBottom(r) - gh - margin };
            p.Text = { cx - tw / 2, p.Glyph.y() - s - th };
            break;
        }
        return p;
    }
    switch (layout) {
    case vnbutton::blGlyphLeft:
        p.Glyph = { cx - h, cy - gh / 2 };
        p.Text = { cx + h - tw, cy - th / 2 };
        break;
    case vnbutton::blGlyphRight:
        p.Glyph = { cx + h - gw, cy - gh / 2 };
        p.Text = { cx - h, cy - th / 2 };
        break;
    case vnbutton::blGlyphTop:
        p.Glyph = { cx - gw / 2, cy - v };
        p.Text = { cx - tw / 2, cy + v - th };
        break;
    case vnbutton::blGlyphBottom:
        p.Glyph = { cx - gw / 2, cy + v - gh };
        p.Text = { cx - tw / 2, cy - v };
        break;
    }
    return p;
}

QImage GlyphCell(const QImage& glyphs, int count, int index)
{
    if (glyphs.isNull() || count < 1 || index < 1 || index > count) return QImage();
    const int cellWidth = glyphs.width() / count;
    if (cellWidth < 1) return QImage();
    QImage cell = glyphs.copy((index - 1) * cellWidth, 0, cellWidth, glyphs.height())
                      .convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = glyphs.pixel(0, glyphs.height() - 1) & 0x00FFFFFFu;
    for (int y = 0; y < cell.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < cell.width(); ++x)
            if ((row[x] & 0x00FFFFFFu) == transparent) row[x] = 0;
    }
    return cell;
}

namespace {

constexpr int kTextFlags = Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextShowMnemonic;

void DrawColorMark(
    QPainter& painter, const TvnGlyphCaption& item, QPoint glyph, QSize glyphSize, QRect textRect)
{
    const QRect& r = item.ClientRect;
    if (!glyphSize.isEmpty()) {
        // Three one-pixel lines under the glyph, across its width.
        for (int dy = -2; dy <= 0; ++dy)
            painter.fillRect(
                QRect(glyph.x(), glyph.y() + glyphSize.height() + dy, glyphSize.width(), 1), item.MarkColor);
    } else if (!item.Caption.isEmpty()) {
        for (int dy = -2; dy <= 0; ++dy)
            painter.fillRect(
                QRect(textRect.x(), RectBottom(textRect) + dy, textRect.width(), 1), item.MarkColor);
    } else {
        QRect mark = RectLTRB(r.x() + 4, r.y() + 4, RectRight(r) - 2, RectBottom(r) - 4);
        if (item.GlyphFromBitmap && item.Pressed) mark.translate(0, 1);
        painter.fillRect(mark, item.MarkColor);
    }
}

} // namespace

void DrawGlyphAndCaption(QPainter& painter, const TvnGlyphCaption& item)
{
    const QRect& r = item.ClientRect;
    const QSize glyphSize = item.Glyph.isNull() ? QSize(0, 0) : item.Glyph.size();

    QSize textSize(0, 0);
    if (!item.Caption.isEmpty()) {
        const bool beside = item.Layout == vnbutton::blGlyphLeft || item.Layout == vnbutton::blGlyphRight;
        const QRect room(0, 0, r.width() - (beside ? glyphSize.width() : 0),
            r.height() - (beside ? 0 : glyphSize.height()));
        textSize = QFontMetrics(item.Font).boundingRect(room, kTextFlags, item.Caption).size();
    }

    TvnGlyphTextPlace place
        = LayoutGlyphAndText(r, item.Layout, item.Margin, item.Spacing, glyphSize, textSize);
    if (item.Pressed) {
        place.Glyph += QPoint(1, 1);
        place.Text += QPoint(1, 1);
    }

    const QRect textRect(place.Text, QSize(textSize.width() + 2, textSize.height()));
    if (!item.Caption.isEmpty()) {
        painter.save();
        painter.setFont(item.Font);
        painter.setPen(item.TextColor);
        painter.setBrush(Qt::NoBrush);
        painter.drawText(textRect, Qt::AlignCenter | kTextFlags, item.Caption);
        painter.restore();
    }
    if (!item.Glyph.isNull()) painter.drawImage(place.Glyph, item.Glyph);
    if (item.ColorMark) DrawColorMark(painter, item, place.Glyph, glyphSize, textRect);
}

} // namespace vnutils

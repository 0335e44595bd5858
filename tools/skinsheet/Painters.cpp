#include "Painters.h"

#include "skin/data/vnUtils/NinePart.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/form/Veneerform/ObjectLayout.h"

#include <QFontMetrics>
#include <cmath>

using namespace vnutils;

namespace sheet {

namespace {

const QRect& Or(const QRect& rect, const QRect& fallback) { return RectEmpty(rect) ? fallback : rect; }

QFont FontOf(const auto& r) { return SkinFont(r.FontName, r.FontHeight, r.FontStyle); }

} // namespace

// ---- Buttons ------------------------------------------------------------------------

void PaintButton(QPainter& p, const TvnSkinData& skin, const TvnDataSkinButtonControl& r, const QRect& at,
    TButtonState state, const QString& caption)
{
    const QRect& hot = Or(r.ActiveSkinRect, r.SkinRect);
    QRect face = r.SkinRect;
    TColor colour = r.FontColor;
    switch (state) {
    case TButtonState::Hot:
        face = hot;
        colour = r.ActiveFontColor;
        break;
    case TButtonState::Down:
        face = Or(r.DownSkinRect, hot);
        colour = r.DownFontColor;
        break;
    case TButtonState::Focused:
        face = Or(r.FocusedSkinRect, hot);
        colour = r.ActiveFontColor;
        break;
    case TButtonState::Disabled:
        face = Or(r.DisabledSkinRect, r.SkinRect);
        colour = r.DisabledFontColor == r.FontColor ? 0x808080 : r.DisabledFontColor;
        break;
    case TButtonState::Normal:
        break;
    }
    const QImage image = ComposeFace(skin, r, face, at.size());
    p.drawImage(at.topLeft(), image);
    QRect client = ClientAt(r, image.size()).translated(at.topLeft());
    // A menu button's caption leaves its drop-down part free.
    if (const auto* menu = dynamic_cast<const TvnDataSkinMenuButtonControl*>(&r);
        menu && !RectEmpty(menu->TrackButtonRect)) {
        const QRect& track = menu->TrackButtonRect;
        if (track.x() > 0)
            client.setWidth(client.width() - track.width());
        else
            client.setHeight(client.height() - track.height());
    }
    if (state == TButtonState::Down) client.translate(1, 1);
    DrawLine(p, client, caption, FontOf(r), colour);
}

void PaintButtonGlow(QPainter& p, const TvnSkinData& skin, const TvnDataSkinButtonControl& r, const QRect& at)
{
    const QImage glow = skin.Picture(r.GlowLayerPictureIndex);
    const QImage mask = skin.Picture(r.GlowLayerMaskPictureIndex);
    if (glow.isNull() || mask.isNull()) return;
    const QSize size = glow.size() + at.size() - r.SkinRect.size();
    const QRect keep = RectLTRB(r.GlowLayerOffsetLeft, r.GlowLayerOffsetTop,
        glow.width() - r.GlowLayerOffsetRight, glow.height() - r.GlowLayerOffsetBottom);
    QImage picture(size, QImage::Format_RGB32), alpha(size, QImage::Format_RGB32);
    StretchSkinRect(picture, glow, glow.rect(), keep);
    StretchSkinRect(alpha, mask.convertToFormat(QImage::Format_RGB32), mask.rect(), keep);
    QImage layer = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QRgb m = alpha.pixel(x, y);
            const int a = (qRed(m) + qGreen(m) + qBlue(m)) / 3 * r.GlowLayerAlphaBlendValue / 255;
            const QRgb c = layer.pixel(x, y);
            layer.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), a));
        }
    p.drawImage(at.topLeft() - QPoint(r.GlowLayerShowOffsetX, r.GlowLayerShowOffsetY), layer);
}

// ---- Check boxes ----------------------------------------------------------------------

namespace {

// The mark's picture part and whether it is to be lightened (grayed without an image).
struct TMark {
    QRect Part;
    bool Lighten = false;
};

TMark MarkOf(const TvnDataSkinCheckRadioControl& r, const TCheckLook& look)
{
    const QRect& check = r.CheckImageRect;
    const QRect& uncheck = r.UncheckImageRect;
    if (!look.Enabled) {
        const bool on = look.State != TCheck::Unchecked;
        return { on ? Or(r.UnenabledCheckImageRect, check) : Or(r.UnenabledUncheckImageRect, uncheck),
            look.State == TCheck::Grayed };
    }
    if (look.State == TCheck::Grayed) {
        if (RectEmpty(r.GrayedCheckImageRect))
            return { look.Hot ? Or(r.ActiveCheckImageRect, check) : check, true };
        return { look.Hot ? Or(r.ActiveGrayedCheckImageRect, r.GrayedCheckImageRect)
                          : r.GrayedCheckImageRect };
    }
    if (look.State == TCheck::Checked) return { look.Hot ? Or(r.ActiveCheckImageRect, check) : check };
    return { look.Hot ? Or(r.ActiveUncheckImageRect, uncheck) : uncheck };
}

void DrawMark(
    QPainter& p, const TvnSkinData& skin, const TvnDataSkinCheckRadioControl& r, QPoint at, const TMark& mark)
{
    QImage picture = skin.Picture(r.PictureIndex).copy(mark.Part).convertToFormat(QImage::Format_RGB32);
    const TColor key = PixelColour(picture, QPoint(0, picture.height() - 1));
    if (mark.Lighten)
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb c = picture.pixel(x, y);
                if (FromQColor(QColor(c)) == key) continue;
                const auto half = [](int v) { return int(std::lround(v * 0.5 + 127.5)); };
                picture.setPixel(x, y, qRgb(half(qRed(c)), half(qGreen(c)), half(qBlue(c))));
            }
    DrawTransparent(p, at, picture, picture.rect(), key);
}

} // namespace

void PaintFlatCheck(QPainter& p, const TvnSkinData& skin, const TvnDataSkinCheckRadioControl& r,
    const QRect& at, const TCheckLook& look, const QString& caption)
{
    const TMark mark = MarkOf(r, look);
    DrawMark(p, skin, r, QPoint(at.x() + 3, at.y() + at.height() / 2 - mark.Part.height() / 2), mark);
    const int x = 3 + mark.Part.width() + 4;
    DrawLine(p, QRect(at.x() + x, at.y(), at.width() - x - 2, at.height()), caption, FontOf(r),
        look.Enabled ? r.FrameFontColor : r.UnenabledFontColor, Qt::AlignLeft | Qt::AlignVCenter);
}

void PaintFramedCheck(QPainter& p, const TvnSkinData& skin, const TvnDataSkinCheckRadioControl& r,
    const QRect& at, const TCheckLook& look, const QString& caption)
{
    const QRect face = look.Hot ? Or(r.ActiveSkinRect, r.SkinRect) : r.SkinRect;
    const QImage image = ComposeFace(skin, r, face, at.size());
    p.drawImage(at.topLeft(), image);
    const int dw = image.width() - r.SkinRect.width();
    const QRect text = QRect(r.TextArea.topLeft(), r.TextArea.size() + QSize(dw, 0)).translated(at.topLeft());
    QRect area = r.CheckImageArea;
    if (RectRight(area) > RectRight(r.TextArea)) area.translate(dw, 0);
    const TMark mark = MarkOf(r, look);
    const QPoint markAt = area.translated(at.topLeft()).center()
        - QPoint(mark.Part.width() / 2, mark.Part.height() / 2) + QPoint(1, 1);
    DrawMark(p, skin, r, markAt, mark);
    const TColor colour = !look.Enabled ? r.UnenabledFontColor : look.Hot ? r.ActiveFontColor : r.FontColor;
    DrawLine(p, text, caption, FontOf(r), colour, Qt::AlignLeft | Qt::AlignVCenter);
}

// ---- Panels ---------------------------------------------------------------------------

QRect PanelClient(const TvnDataSkinPanelControl& r, const QRect& at)
{
    return ClientAt(r, at.size()).translated(at.topLeft());
}

void PaintPanel(QPainter& p, const TvnSkinData& skin, const TvnDataSkinPanelControl& r, const QRect& at,
    const QString& caption)
{
    p.drawImage(at.topLeft(), ComposeFace(skin, r, r.SkinRect, at.size()));
    if (RectEmpty(r.CaptionRect) || caption.isEmpty()) return;
    const QSize skinSize = r.SkinRect.size();
    const QRect area = MoveWithCorners(r.CaptionRect, r.Geometry.Corners, skinSize,
        at.width() - skinSize.width(), at.height() - skinSize.height())
                           .translated(at.topLeft());
    const QFont font = FontOf(r);
    const int textWidth = QFontMetrics(font).horizontalAdvance(caption);
    int x = area.x();
    if (r.Alignment == taRightJustify) x = RectRight(area) - textWidth;
    if (r.Alignment == taCenter) x = area.x() + area.width() / 2 - textWidth / 2;
    if (!RectEmpty(r.FrameRect)) {
        // The strip under the caption text.
        const int stripWidth = textWidth + r.FrameRect.width() - r.FrameTextRect.width();
        const QImage strip = Strip(skin.Picture(r.PictureIndex), r.FrameRect, r.FrameLeftOffset,
            r.FrameRightOffset, stripWidth, true);
        int stripX = x;
        if (r.Alignment == taLeftJustify) {
            x += r.FrameTextRect.x();
        } else if (r.Alignment == taRightJustify) {
            const int diff = stripWidth - textWidth;
            stripX = x - diff;
            x = x - diff + r.FrameTextRect.x();
        } else {
            stripX = x - r.FrameTextRect.x() - 2;
            x -= 2;
        }
        p.save();
        p.setClipRect(area);
        p.drawImage(QPoint(stripX, area.y()), strip);
        p.restore();
    }
    DrawLine(p, QRect(x, area.y(), RectRight(area) - x, area.height()), caption, font, r.FontColor,
        Qt::AlignLeft | Qt::AlignVCenter);
}

// ---- Labels ---------------------------------------------------------------------------

void PaintLabel(QPainter& p, const TvnSkinData& skin, const TvnDataSkinStdLabelControl& r, const QRect& at,
    const QString& text, bool enabled, int flags)
{
    const QFont font = FontOf(r);
    if (enabled) {
        DrawLine(p, at, text, font, r.FontColor, flags);
        return;
    }
    DrawLine(p, at.translated(1, 1), text, font, skin.SkinColors.cBtnHighlight, flags);
    DrawLine(p, at, text, font, skin.SkinColors.cBtnShadow, flags);
}

// ---- Edits ----------------------------------------------------------------------------

void PaintEdit(QPainter& p, const TvnSkinData& skin, const TvnDataSkinEditControl& r, const QRect& at,
    const QString& text, TFieldState state, TFieldButton button)
{
    const QRect face = state == TFieldState::Active ? Or(r.ActiveSkinRect, r.SkinRect) : r.SkinRect;
    const QImage image = ComposeFace(skin, r, face, at.size());
    p.drawImage(at.topLeft(), image);
    const int dw = image.width() - r.SkinRect.width();
    if (!RectEmpty(r.ButtonRect)) {
        const QRect place = r.ButtonRect.translated(at.topLeft() + QPoint(dw, 0));
        QRect look;
        if (button == TFieldButton::Hot) look = r.ActiveButtonRect;
        if (button == TFieldButton::Down) look = Or(r.DownButtonRect, r.ActiveButtonRect);
        if (button == TFieldButton::Disabled) look = r.UnenabledButtonRect;
        if (!RectEmpty(look)) p.drawImage(place.topLeft(), Part(skin.Picture(r.PictureIndex), look));
    }
    const TColor colour = state == TFieldState::Disabled ? r.DisabledFontColor
        : state == TFieldState::Active                   ? r.ActiveFontColor
                                                         : r.FontColor;
    const QRect client = ClientAt(r, image.size()).translated(at.topLeft());
    DrawLine(p, client.adjusted(2, 0, 0, 0), text, FontOf(r), colour, Qt::AlignLeft | Qt::AlignVCenter);
}

// ---- Scroll bars ----------------------------------------------------------------------

void PaintScrollBar(QPainter& p, const TvnSkinData& skin, const TvnDataSkinScrollBarControl& r,
    const QRect& at, bool upright, const TBarLook& look)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    const QImage face = ComposeFace(skin, r, r.SkinRect, at.size());
    p.drawImage(at.topLeft(), face);
    const int grow = upright ? face.height() - r.SkinRect.height() : face.width() - r.SkinRect.width();
    // Parts past the fixed start follow the bar's end.
    const auto follow = [&](QRect rect) {
        if (upright && rect.y() > r.Geometry.Corners.LeftBottom.y()) rect.translate(0, grow);
        if (!upright && rect.x() > r.Geometry.Corners.RightTop.x()) rect.translate(grow, 0);
        return rect.translated(at.topLeft());
    };
    const QRect track = (upright ? QRect(r.TrackArea.topLeft(), r.TrackArea.size() + QSize(0, grow))
                                 : QRect(r.TrackArea.topLeft(), r.TrackArea.size() + QSize(grow, 0)))
                            .translated(at.topLeft());
    if (look.Hot == 1)
        p.drawImage(follow(r.DownButtonRect).topLeft(),
            Part(picture,
                look.Pressed ? Or(r.DownDownButtonRect, r.ActiveDownButtonRect) : r.ActiveDownButtonRect));
    if (look.Hot == 2)
        p.drawImage(follow(r.UpButtonRect).topLeft(),
            Part(
                picture, look.Pressed ? Or(r.DownUpButtonRect, r.ActiveUpButtonRect) : r.ActiveUpButtonRect));

    const QRect thumbLook = look.Hot == 3
        ? (look.Pressed ? Or(r.DownThumbRect, Or(r.ActiveThumbRect, r.ThumbRect))
                        : Or(r.ActiveThumbRect, r.ThumbRect))
        : r.ThumbRect;
    const int length = r.ThumbMinPageSize ? r.ThumbMinPageSize
        : r.ThumbMinSize                  ? r.ThumbMinSize
                                          : (upright ? r.ThumbRect.height() : r.ThumbRect.width());
    const int half = length / 2;
    const int start = upright ? track.y() : track.x();
    const int end = upright ? RectBottom(track) : RectRight(track);
    const int offset1 = start + half, offset2 = end - half;
    const int offset = int(std::lround(look.Position * (offset2 - offset1)));
    QPoint thumbAt = upright
        ? QPoint(track.x() + track.width() / 2 - thumbLook.width() / 2, offset1 + offset - half)
        : QPoint(offset1 + offset - half, track.y() + track.height() / 2 - thumbLook.height() / 2);
    if (r.ThumbTransparent)
        DrawTransparent(p, thumbAt, picture, thumbLook, r.ThumbTransparentColor);
    else
        p.drawImage(thumbAt, Part(picture, thumbLook));
    const QRect glyph = look.Hot == 3
        ? (look.Pressed ? Or(r.DownGlyphRect, Or(r.ActiveGlyphRect, r.GlyphRect))
                        : Or(r.ActiveGlyphRect, r.GlyphRect))
        : r.GlyphRect;
    if (RectEmpty(glyph)) return;
    const QPoint glyphAt = QRect(thumbAt, thumbLook.size()).center()
        - QPoint(glyph.width() / 2, glyph.height() / 2)
        + QPoint(thumbLook.width() % 2 ? 0 : 1, thumbLook.height() % 2 ? 0 : 1);
    if (r.GlyphTransparent)
        DrawTransparent(p, glyphAt, picture, glyph, r.GlyphTransparentColor);
    else
        p.drawImage(glyphAt, Part(picture, glyph));
}

// ---- Grids ----------------------------------------------------------------------------

void PaintGrid(QPainter& p, const TvnSkinData& skin, const TvnDataSkinGridControl& r, const QRect& at,
    const QStringList& titles, const QList<QStringList>& rows, int selected, bool focused)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    p.fillRect(at, Colour(r.BGColor));
    const int rowHeight = r.SelectCellRect.height();
    const int columns = int(titles.size());
    const auto columnRect = [&](int c, int y) {
        const int w = at.width() / columns;
        const int x = at.x() + c * w;
        return QRect(x, y, c == columns - 1 ? RectRight(at) - x : w, rowHeight);
    };
    const QFont fixedFont = SkinFont(r.FixedFontName, r.FixedFontHeight, r.FixedFontStyle);
    const QFont font = FontOf(r);
    for (int c = 0; c < columns; ++c) {
        const QRect cell = columnRect(c, at.y());
        p.drawImage(cell.topLeft(),
            Strip(picture, r.FixedCellRect, r.FixedCellLeftOffset, r.FixedCellRightOffset, cell.width(),
                r.FixedCellStretchEffect));
        DrawLine(p, cell.adjusted(4, 0, -3, 0), titles[c], fixedFont, r.FixedFontColor,
            Qt::AlignLeft | Qt::AlignVCenter);
    }
    p.setPen(Colour(r.LinesColor));
    for (int i = 0; i < rows.size(); ++i) {
        const int y = at.y() + rowHeight * (i + 1);
        if (y + rowHeight > RectBottom(at)) break;
        for (int c = 0; c < columns; ++c) {
            const QRect cell = columnRect(c, y);
            TColor colour = r.FontColor;
            if (i == selected) {
                const QRect& look = focused ? r.FocusCellRect : r.SelectCellRect;
                p.drawImage(cell.topLeft(),
                    Strip(picture, look, r.CellLeftOffset, r.CellRightOffset, cell.width(),
                        r.CellStretchEffect));
                colour = focused ? r.FocusFontColor : r.SelectFontColor;
            } else {
                p.drawLine(cell.x(), RectBottom(cell) - 1, RectRight(cell) - 1, RectBottom(cell) - 1);
                p.drawLine(RectRight(cell) - 1, cell.y(), RectRight(cell) - 1, RectBottom(cell) - 1);
            }
            DrawLine(p, cell.adjusted(4, 0, -3, 0), rows[i].value(c), font, colour,
                Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
}

// ---- Page controls --------------------------------------------------------------------

void PaintTabs(QPainter& p, const TvnSkinData& skin, const TvnDataSkinTabControl& r, const QRect& at,
    const QStringList& tabs, const TTabsLook& look)
{
    const QImage picture = skin.Picture(r.PictureIndex);
    const int tabHeight = r.TabRect.height();
    const QFont font = FontOf(r);

    // The page's frame below the tabs.
    const QRect body(at.x(), at.y() + tabHeight, at.width(), at.height() - tabHeight);
    const TvnNinePart parts { r.SkinRect, r.Geometry };
    QImage frame;
    ComposeNineParts(frame, picture, parts, StandardTarget(parts, body.size()));
    p.drawImage(body.topLeft(), frame);

    // The strip behind the tabs.
    const QRect strip(at.x(), at.y(), at.width(), tabHeight);
    const QImage tile = Part(picture, r.TabsBGRect);
    for (int x = strip.x(); x < RectRight(strip); x += tile.width())
        p.drawImage(QPoint(x, strip.y()), tile);

    QList<QRect> places;
    int x = at.x();
    for (const QString& tab : tabs) {
        const int w = std::max(r.TabRect.width(), QFontMetrics(font).horizontalAdvance(tab) + 24);
        places.append(QRect(x, at.y(), w, tabHeight));
        x += w;
    }
    const int lift = Or(r.ActiveTabRect, r.TabRect).height() - tabHeight;
    const auto drawTab = [&](int i) {
        const bool active = i == look.Active;
        const bool hot = i == look.Hot && !active;
        QRect face = r.TabRect;
        TColor colour = r.FontColor;
        if (hot && !RectEmpty(r.MouseInTabRect)) face = r.MouseInTabRect;
        if (hot) colour = r.MouseInFontColor;
        if (active) {
            face = look.Focused ? Or(r.FocusTabRect, Or(r.ActiveTabRect, r.TabRect))
                                : Or(r.ActiveTabRect, r.TabRect);
            colour = look.Focused ? r.FocusFontColor : r.ActiveFontColor;
        }
        const QRect place = places[i];
        p.drawImage(place.topLeft(),
            Strip(picture, face, r.TabLeftOffset, r.TabRightOffset, place.width(), r.TabStretchEffect));
        DrawLine(p, place.translated(0, active || lift == 0 ? 0 : 2), tabs[i], font, colour);
    };
    for (int i = 0; i < tabs.size(); ++i)
        if (i != look.Active) drawTab(i);
    if (look.Active >= 0 && look.Active < tabs.size()) drawTab(look.Active);
}

} // namespace sheet

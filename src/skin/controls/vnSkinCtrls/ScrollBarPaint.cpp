// The scroll bar's two looks. Skinned: the record's face at the bar's size (normal arrow
// buttons and track included), a hot or pressed arrow button over it, then the thumb and
// its glyph. Default: boxes in system colours with black arrows.
#include "ScrollBar.h"
#include "SkinPieces.h"
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnUtils/Marks.h"
#include "skin/data/vnUtils/PixelParts.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/ThreePartStrip.h"

#include <QPainter>

using namespace vnctrls;
using vnutils::RectEmpty;

namespace {

void DrawBox(QPainter& p, const QRect& r, TColor frame, TColor fill)
{
    p.fillRect(r.adjusted(1, 1, -1, -1), ToQColor(fill));
    vnutils::DrawFlatFrame(p, r, ToQColor(frame), ToQColor(frame));
}

void DrawPartBox(QPainter& p, const QRect& r, bool hot, bool pressed)
{
    if (pressed)
        DrawBox(p, r, kDefaultHotFrame, kDefaultPressedFill);
    else if (hot)
        DrawBox(p, r, kDefaultHotFrame, kDefaultHotFill);
    else
        DrawBox(p, r, clr::clBtnShadow, clr::clBtnFace);
}

// The state's picture, falling back as the record allows: pressed on hot, hot on normal.
QRect Chosen(const QRect& normal, const QRect& hot, const QRect& pressed, bool isHot, bool isPressed)
{
    const QRect hotOrNormal = RectEmpty(hot) ? normal : hot;
    if (isPressed) return RectEmpty(pressed) ? hotOrNormal : pressed;
    return isHot ? hotOrNormal : normal;
}

QImage Piece(const QImage& picture, const QRect& r, bool transparent, TColor key)
{
    if (transparent) return KeyedPiece(picture, r, key);
    return RectEmpty(r) ? QImage() : picture.copy(r);
}

} // namespace

TvnScrollBarSnapshot TvnSkinScrollBar::TakeSnapshot() const
{
    TvnScrollBarSnapshot s;
    s.Record = Record<TvnDataSkinScrollBarControl>();
    s.RecordIndex = SkinRecordIndex();
    s.Size = size();
    s.Layout = Layout();
    s.Enabled = isEnabled();
    s.HotPart = m_hotPart;
    const bool arrowHeld = m_capturedPart == kIncreasePart || m_capturedPart == kDecreasePart;
    if (arrowHeld && m_capturedPressed && m_hotPart == m_capturedPart) s.PressedArrow = m_capturedPart;
    s.ThumbPressed = m_dragging || FocusedForInput();
    s.StretchThumb = m_range.PageSize != 0 || (s.Record && s.Record->ThumbMinPageSize != 0);
    s.Geometry = m_geometry;
    s.Current = m_current;
    return s;
}

void TvnSkinScrollBar::DrawUnskinned(QImage& bitmap) { DrawDefaultBar(bitmap, TakeSnapshot()); }

void TvnSkinScrollBar::DrawSkinned(QImage& bitmap) { DrawSkinnedBar(bitmap, TakeSnapshot()); }

void TvnSkinScrollBar::DrawDefaultBar(QImage& bitmap, const TvnScrollBarSnapshot& s)
{
    QPainter p(&bitmap);
    p.fillRect(bitmap.rect(), ToQColor(clr::clBtnFace));
    const TvnScrollBarLayout& l = s.Layout;
    DrawPartBox(p, l.Decrease, s.HotPart == kDecreasePart, s.PressedArrow == kDecreasePart);
    DrawPartBox(p, l.Increase, s.HotPart == kIncreasePart, s.PressedArrow == kIncreasePart);
    // A disabled bar has no thumb and grey arrows.
    const QColor arrow = ToQColor(s.Enabled ? clr::clBlack : clr::clBtnShadow);
    using vnutils::TvnMark;
    vnutils::DrawMark(
        p, l.Vertical ? TvnMark::ArrowUp : TvnMark::ArrowLeft, vnutils::MarkCentre(l.Decrease), arrow);
    vnutils::DrawMark(
        p, l.Vertical ? TvnMark::ArrowDown : TvnMark::ArrowRight, vnutils::MarkCentre(l.Increase), arrow);
    if (s.Enabled) DrawPartBox(p, l.Thumb, s.HotPart == kThumbPart, s.ThumbPressed);
}

const QImage& TvnSkinScrollBar::Face(const TvnScrollBarSnapshot& s)
{
    return m_faces.Get({ s.RecordIndex, s.Size, s.Geometry.Parts.SkinRect, 0 }, [&] {
        QImage face(s.Size, QImage::Format_RGB32);
        face.fill(0);
        DrawPlainSkin(face, s.Geometry, s.Current, false);
        return face;
    });
}

QImage TvnSkinScrollBar::ThumbPicture(const TvnScrollBarSnapshot& s, const QRect& source)
{
    const TvnDataSkinScrollBarControl& r = *s.Record;
    const QImage& picture = s.Geometry.Picture;
    if (!s.StretchThumb) return Piece(picture, source, r.ThumbTransparent, r.ThumbTransparentColor);
    const bool vertical = s.Layout.Vertical;
    const int length = vertical ? s.Layout.Thumb.height() : s.Layout.Thumb.width();
    // The stretched thumb is kept with the faces; its length is the look's step.
    const QImage& strip = m_faces.Get({ s.RecordIndex, s.Size, source, length }, [&] {
        const QImage p = vnutils::As32Bit(picture);
        QImage composed = vertical
            ? vnutils::VerticalStrip(p, source, r.ThumbOffset1, r.ThumbOffset2, length, r.ThumbStretchEffect)
            : vnutils::HorizontalStrip(
                p, source, r.ThumbOffset1, r.ThumbOffset2, length, r.ThumbStretchEffect);
        return r.ThumbTransparent ? KeyedPiece(composed, composed.rect(), r.ThumbTransparentColor) : composed;
    });
    return strip;
}

void TvnSkinScrollBar::DrawSkinnedBar(QImage& bitmap, const TvnScrollBarSnapshot& s)
{
    if (!s.Record) return TvnSkinCustomControl::DrawSkinned(bitmap);
    const TvnDataSkinScrollBarControl& r = *s.Record;
    const QImage& picture = s.Geometry.Picture;
    const TvnScrollBarLayout& l = s.Layout;
    QPainter p(&bitmap);
    p.drawImage(0, 0, Face(s));

    // The normal buttons are part of the face; only a hot one is drawn over it.
    const struct {
        int Part;
        QRect At, Hot, Pressed;
    } buttons[] = {
        { kIncreasePart, l.Increase, r.ActiveUpButtonRect, r.DownUpButtonRect },
        { kDecreasePart, l.Decrease, r.ActiveDownButtonRect, r.DownDownButtonRect },
    };
    for (const auto& b : buttons) {
        if (s.HotPart != b.Part) continue;
        const QRect source = s.PressedArrow == b.Part && !RectEmpty(b.Pressed) ? b.Pressed : b.Hot;
        if (!RectEmpty(source)) p.drawImage(b.At.topLeft(), picture, source);
    }
    if (!s.Enabled) return;

    const bool hot = s.HotPart == kThumbPart;
    const QRect thumbSource = Chosen(r.ThumbRect, r.ActiveThumbRect, r.DownThumbRect, hot, s.ThumbPressed);
    const QImage thumb = ThumbPicture(s, thumbSource);
    if (!thumb.isNull()) p.drawImage(l.Thumb.topLeft(), thumb);

    const QRect glyphSource = Chosen(r.GlyphRect, r.ActiveGlyphRect, r.DownGlyphRect, hot, s.ThumbPressed);
    if (RectEmpty(glyphSource)) return;
    const int glyphLength = l.Vertical ? glyphSource.height() : glyphSource.width();
    const int thumbLength = l.Vertical ? l.Thumb.height() : l.Thumb.width();
    if (glyphLength >= thumbLength) return;
    const QImage glyph = Piece(picture, glyphSource, r.GlyphTransparent, r.GlyphTransparentColor);
    const QPoint centre = l.Thumb.topLeft() + QPoint(l.Thumb.width() / 2, l.Thumb.height() / 2);
    p.drawImage(centre - QPoint(glyph.width() / 2, glyph.height() / 2), glyph);
}

void TvnSkinScrollBar::Paint(QPainter& painter)
{
    if (Width() < 1 || Height() < 1) return;
    ReadSkinRecord();
    const TvnScrollBarSnapshot s = TakeSnapshot();
    // Drawn from this paint's snapshot alone: the look's routines take no other.
    const QImage& look = m_look.Get(LookKey(s), [&] {
        QImage bitmap(s.Size, QImage::Format_RGB32);
        bitmap.fill(0);
        if (s.RecordIndex != -1)
            DrawSkinnedBar(bitmap, s);
        else
            DrawDefaultBar(bitmap, s);
        return bitmap;
    });
    painter.drawImage(0, 0, look);
}

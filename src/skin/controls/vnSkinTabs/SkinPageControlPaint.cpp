// The skinned page control's looks. Skinned: the record's frame around the page, the
// strip behind the tabs tiled from the record, every tab's face composed along the row
// with its two ends kept (flipped for bottom tabs, turned for side tabs), the active tab
// last and straight on the control. Default: system colours, the active tab framed.
#include "SkinPageControl.h"
#include "skin/controls/vnSkinCtrls/ParentBackground.h"
#include "skin/controls/vnSkinCtrls/SkinPieces.h"
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnUtils/Marks.h"
#include "skin/data/vnUtils/NinePart.h"
#include "skin/data/vnUtils/PixelParts.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/ThreePartStrip.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTransform>

using namespace vntabs;
using vnutils::RectEmpty;

namespace {

// The looks kept in the face cache, told apart by their step.
constexpr int kBodyStep = -1;
constexpr int kStripStep = -2;

QRect Or(const QRect& r, const QRect& fallback) { return RectEmpty(r) ? fallback : r; }

bool Side(TTabPosition p) { return p == tpLeft || p == tpRight; }

// Left tabs turn anticlockwise and right tabs clockwise, so the side that faced the page
// along the top row faces it again.
QImage Turned(const QImage& image, TTabPosition position)
{
    if (!Side(position)) return image;
    return image.transformed(QTransform().rotate(position == tpLeft ? -90 : 90));
}

QRect CloseSource(const TvnDataSkinTabControl& r, TvnCloseState state)
{
    const QRect hot = Or(r.CloseButtonActiveRect, r.CloseButtonRect);
    if (state == TvnCloseState::Pressed) return Or(r.CloseButtonDownRect, hot);
    return state == TvnCloseState::Hot ? hot : r.CloseButtonRect;
}

} // namespace

TvnTabsSnapshot TvnSkinPageControl::TakeSnapshot(const TPageControlSnapshot& base) const
{
    TvnTabsSnapshot s;
    s.Record = TabRecord();
    s.RecordIndex = SkinRecordIndex();
    if (s.Record) s.Picture = vnutils::As32Bit(SkinData()->Picture(s.Record->PictureIndex));
    s.Size = size();
    s.Position = base.Position;
    s.Page = base.Page;
    s.Body = vntabs::BodyRect(base.Page, Insets());
    s.Strip = TabStripRect(s.Size, s.Body, s.Position);
    s.Focused = base.Focused;
    s.Enabled = base.Enabled;
    s.Font = TabFont();
    s.FontGeneration = m_fontGeneration;
    s.StretchAcross = TabHeight() > 0;
    s.RowHeight = TabRowHeight();
    s.TabsBGTransparent = m_tabsBGTransparent;
    s.TextInHorizontal = m_textInHorizontal;
    s.Extended = m_tabExtededDraw;
    s.Margin = m_tabMargin;
    s.Spacing = m_tabSpacing;
    s.Layout = m_tabLayout;
    if (m_showCloseButtons) {
        const int w = CloseButtonWidth();
        s.CloseButton = s.Record && !RectEmpty(s.Record->CloseButtonRect) ? s.Record->CloseButtonRect.size()
                                                                          : QSize(w, w);
    }
    const TvnDataSkinTabControl* r = s.Record;
    if (r) {
        s.ShowFocus = r->ShowFocus;
        s.FocusOffset = QPoint(r->FocusOffsetX, r->FocusOffsetY);
        s.FocusFace = s.Background = SkinData()->SkinColors.cBtnFace;
        s.ShiftInactive = Or(r->ActiveTabRect, r->TabRect).height() != r->TabRect.height();
    }
    if (r && s.TabsBGTransparent && !s.Strip.isEmpty())
        s.ParentStrip = vnctrls::ParentBackgroundPicture(this, s.Strip);
    std::optional<TvnTabItem> active;
    for (int i = 0; i < base.Tabs.size(); ++i) {
        const TTabPaintItem& item = base.Tabs[i];
        TvnTabItem t;
        t.Index = i;
        t.Caption = item.Caption;
        t.Active = item.Active;
        t.Hot = item.Hot && !item.Active;
        if (m_images && item.ImageIndex >= 0 && item.ImageIndex < m_images->Count())
            t.Image = m_images->Image(item.ImageIndex);
        if (r) {
            const QRect activeFace = Or(r->ActiveTabRect, r->TabRect);
            if (t.Hot && !RectEmpty(r->MouseInTabRect))
                t.FaceSource = r->MouseInTabRect;
            else if (t.Active && s.Focused)
                t.FaceSource = Or(r->FocusTabRect, activeFace);
            else
                t.FaceSource = t.Active ? activeFace : r->TabRect;
            if (t.Active) t.FaceExtra = std::max(0, t.FaceSource.height() - r->TabRect.height());
            const TColor color = t.Hot ? r->MouseInFontColor
                : t.Active             ? (s.Focused ? r->FocusFontColor : r->ActiveFontColor)
                                       : r->FontColor;
            t.TextColor = ToQColor(color);
        } else {
            t.TextColor = ToQColor(s.Enabled ? m_defaultFont->Color() : clr::clGrayText);
        }
        t.Rect = t.Active ? ActiveTabRect(item.Rect, s.Position, t.FaceExtra) : item.Rect;
        if (m_showCloseButtons) {
            t.Close = m_pressedClose == t.Index ? TvnCloseState::Pressed
                : m_hotClose == t.Index         ? TvnCloseState::Hot
                                                : TvnCloseState::Normal;
        }
        if (t.Active)
            active = t;
        else
            s.Tabs.append(t);
    }
    // The active tab is drawn last, over the frame.
    if (active) s.Tabs.append(*active);
    return s;
}

void TvnSkinPageControl::PaintControl(QPainter& painter, const TPageControlSnapshot& base)
{
    const TvnTabsSnapshot s = TakeSnapshot(base);
    auto paint = [&](QPainter& p) {
        if (s.Record && !s.Picture.isNull())
            PaintSkinned(p, s);
        else
            PaintDefault(p, s);
    };
    // What the parent shows and what a handler draws are not in the state.
    if (s.TabsBGTransparent || OnDrawSkinTab) return paint(painter);
    vnctrls::TvnStateWriter state;
    state << s.RecordIndex << s.Size << int(s.Position) << s.Page << s.Focused << s.Enabled
          << s.FontGeneration << s.StretchAcross << s.TextInHorizontal << s.Extended << s.Margin << s.Spacing
          << int(s.Layout) << s.CloseButton;
    for (const TvnTabItem& t : s.Tabs)
        state << t.Index << t.Rect << t.Caption << t.Image.cacheKey() << t.Active << t.Hot << t.FaceSource
              << int(t.Close) << t.TextColor;
    const QImage& look = m_look.Get(state, [&] {
        QImage picture(s.Size, QImage::Format_RGB32);
        QPainter p(&picture);
        paint(p);
        return picture;
    });
    painter.drawImage(0, 0, look);
}

// ---- Skinned -------------------------------------------------------------------------------

const QImage& TvnSkinPageControl::Body(const TvnTabsSnapshot& s)
{
    const TvnDataSkinTabControl& r = *s.Record;
    return m_faces.Get({ s.RecordIndex, s.Size, r.SkinRect, kBodyStep }, [&] {
        const vnutils::TvnNinePart parts { r.SkinRect, r.Geometry };
        QImage body;
        vnutils::ComposeNineParts(
            body, s.Picture, parts, vnutils::StandardTarget(parts, s.Body.size()), true);
        return body;
    });
}

QImage TvnSkinPageControl::TabFace(const TvnTabsSnapshot& s, const TvnTabItem& tab, QSize face)
{
    if (!s.Record) {
        QImage plain(face, QImage::Format_RGB32);
        QPainter p(&plain);
        const TColor fill = tab.Hot ? vnctrls::kDefaultHotFill
            : !tab.Active           ? clr::clBtnFace
            : s.Focused             ? vnctrls::kDefaultPressedFill
                                    : vnctrls::kDefaultHotFill;
        p.fillRect(plain.rect(), ToQColor(fill));
        const QColor frame = ToQColor(tab.Active ? vnctrls::kDefaultHotFrame : clr::clBtnShadow);
        if (tab.Active) {
            vnutils::DrawFlatFrame(p, plain.rect(), frame, frame);
        } else {
            // Inactive tabs share their edges: no line towards the page (the frame's own
            // line is there) and none at the start except for the first tab.
            const int w = face.width(), h = face.height();
            p.fillRect(QRect(0, 0, w, 1), frame);
            p.fillRect(QRect(w - 1, 0, 1, h), frame);
            if (tab.Index == 0) p.fillRect(QRect(0, 0, 1, h), frame);
        }
        return plain;
    }
    const TvnDataSkinTabControl& r = *s.Record;
    const QRect source = tab.FaceSource;
    // A tab's look is cached by its face and size; the step tells the sizes apart.
    return m_faces.Get({ s.RecordIndex, s.Size, source, face.width() * 4096 + face.height() }, [&] {
        QImage along = vnutils::HorizontalStrip(
            s.Picture, source, r.TabLeftOffset, r.TabRightOffset, face.width(), r.TabStretchEffect);
        if (along.isNull() || along.height() == face.height()) return along;
        // Another tab height keeps a quarter of the plain face at top and bottom.
        const int margin = r.TabRect.height() / 4;
        return vnutils::VerticalStrip(along, along.rect(), margin, margin, face.height(), true);
    });
}

void TvnSkinPageControl::DrawTabContent(
    QPainter& painter, const TvnTabsSnapshot& s, const TvnTabItem& tab, const QRect& face, bool turned)
{
    const bool horizontalFace = !turned;
    QRect area = face;
    if (!s.CloseButton.isEmpty()) {
        const bool skinned = s.Record != nullptr;
        const int along = horizontalFace ? face.width() : face.height();
        const int content = ContentLength(along, s.CloseButton.width(), skinned);
        if (horizontalFace)
            area.setWidth(content);
        else
            area.setHeight(content);
        QRect button = vntabs::CloseButtonRect(
            along, horizontalFace ? face.height() : face.width(), s.CloseButton, skinned);
        if (!horizontalFace) button = FaceToTab(button, QSize(along, face.width()), s.Position);
        if (s.Record) {
            const QRect source = CloseSource(*s.Record, tab.Close);
            const QImage picture = s.Record->ButtonTransparent
                ? vnctrls::KeyedPiece(s.Picture, source, s.Record->ButtonTransparentColor)
                : s.Picture.copy(source);
            painter.drawImage(button.topLeft(), picture);
        } else {
            const QColor mark
                = ToQColor(tab.Close == TvnCloseState::Normal ? clr::clBtnShadow : clr::clBtnText);
            if (tab.Close != TvnCloseState::Normal) vnutils::DrawFlatFrame(painter, button, mark, mark);
            vnutils::DrawMark(painter, vnutils::TvnMark::CloseCross, button.topLeft() + QPoint(3, 3), mark);
        }
    }
    if (s.ShiftInactive && !tab.Active) {
        // Towards the page for top and left tabs, away from it for bottom and right ones.
        // Top and bottom faces are in their screen orientation here (a bottom face is
        // already flipped), so both move down; a side face not yet turned moves down
        // when it will turn anticlockwise (left) and up when clockwise (right); a side
        // face turned already moves right either way.
        const int down = s.Position == tpRight ? -2 : 2;
        area.translate(horizontalFace ? 0 : 2, horizontalFace ? down : 0);
    }
    if (s.Record && s.ShowFocus && s.Focused && tab.Active)
        vnctrls::DrawFocusRect(painter,
            area.adjusted(s.FocusOffset.x(), s.FocusOffset.y(), -s.FocusOffset.x(), -s.FocusOffset.y()),
            s.FocusFace);
    if (OnDrawSkinTab) {
        events::Fire(OnDrawSkinTab, this, tab.Index, area, &painter, tab.Hot, tab.Active);
        return;
    }
    painter.setFont(s.Font);
    painter.setPen(tab.TextColor);
    if (tab.Image.isNull() && !s.Extended) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, tab.Caption);
        return;
    }
    const QSize text(QFontMetrics(s.Font).horizontalAdvance(tab.Caption) + 2, QFontMetrics(s.Font).height());
    const vnutils::TvnGlyphTextPlace place
        = vnutils::LayoutGlyphAndText(area, s.Extended ? s.Layout : vnbutton::blGlyphLeft,
            s.Extended ? s.Margin : -1, s.Extended ? s.Spacing : 2, tab.Image.size(), text);
    if (!tab.Image.isNull()) painter.drawImage(place.Glyph, tab.Image);
    painter.drawText(
        QRect(place.Text, text), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, tab.Caption);
}

void TvnSkinPageControl::DrawTab(
    QPainter& painter, const TvnTabsSnapshot& s, const TvnTabItem& tab, QPoint origin)
{
    const QSize along = FaceSize(tab.Rect, s.Position);
    QImage face = TabFace(s, tab, along).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (face.isNull()) return;
    if (s.Position == tpBottom) face = face.mirrored(false, true);
    const bool turnFirst = Side(s.Position) && s.TextInHorizontal;
    if (turnFirst) face = Turned(face, s.Position);
    {
        QPainter p(&face);
        DrawTabContent(p, s, tab, face.rect(), turnFirst);
    }
    if (Side(s.Position) && !turnFirst) face = Turned(face, s.Position);
    painter.drawImage(origin, face);
}

void TvnSkinPageControl::PaintSkinned(QPainter& painter, const TvnTabsSnapshot& s)
{
    const TvnDataSkinTabControl& r = *s.Record;
    painter.fillRect(QRect(QPoint(), s.Size), ToQColor(s.Background));
    painter.drawImage(s.Body.topLeft(), Body(s));
    if (s.Strip.isEmpty()) return;

    QImage strip;
    if (s.TabsBGTransparent) {
        strip = s.ParentStrip;
    } else {
        const QRect tile = Or(r.TabsBGRect, r.Geometry.ClientRect.translated(r.SkinRect.topLeft()));
        strip = m_faces.Get({ s.RecordIndex, s.Size, tile, kStripStep }, [&] {
            QImage filled(s.Strip.size(), QImage::Format_RGB32);
            filled.fill(0);
            vnutils::DrawPieces(
                filled, s.Picture, vnutils::MiddlePieces(filled.rect(), tile, false, TvnStretchType::Full));
            return filled;
        });
    }
    {
        QPainter p(&strip);
        for (const TvnTabItem& tab : s.Tabs)
            if (!tab.Active) DrawTab(p, s, tab, tab.Rect.topLeft() - s.Strip.topLeft());
    }
    painter.drawImage(s.Strip.topLeft(), strip);
    for (const TvnTabItem& tab : s.Tabs)
        if (tab.Active) DrawTab(painter, s, tab, tab.Rect.topLeft());
}

// ---- Default -------------------------------------------------------------------------------

void TvnSkinPageControl::PaintDefault(QPainter& painter, const TvnTabsSnapshot& s)
{
    painter.fillRect(QRect(QPoint(), s.Size), ToQColor(clr::clBtnFace));
    const QColor shadow = ToQColor(clr::clBtnShadow);
    vnutils::DrawFlatFrame(painter, s.Body, shadow, shadow);
    for (const TvnTabItem& tab : s.Tabs)
        DrawTab(painter, s, tab, tab.Rect.topLeft());
}

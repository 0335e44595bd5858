// The check box's looks: flat (the parent's background, the check image and the
// caption), framed (the record's face with the check image and caption in its areas,
// cross-faded to the hot face), and the flat default look. Every paint: ReadSkinRecord,
// TakeSnapshot, draw from the snapshot.
#include "CheckRadioBox.h"
#include "ParentBackground.h"
#include "SkinPieces.h"
#include "platform/DrawText.h"
#include "skin/data/vnUtils/Marks.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vneffects/EffectBmp.h"

#include <QPainter>

using vnctrls::TvnCheckRadioSnapshot;

namespace {

constexpr unsigned kSingleLine = dt::DT_SINGLELINE | dt::DT_VCENTER;
constexpr unsigned kWrapped = dt::DT_WORDBREAK | dt::DT_EXPANDTABS;

// The check image of the snapshot's choice, cut from the record's picture.
QImage CheckPicture(const TvnCheckRadioSnapshot& s)
{
    if (!s.Record) return QImage();
    const QImage piece = vnctrls::TransparentPiece(s.Geometry->Picture, s.Check.Rect);
    return s.Check.Lighten && !piece.isNull() ? vnctrls::LightenedHalfway(piece) : piece;
}

bool HasImage(const TvnCheckRadioSnapshot& s)
{
    return s.Images && s.ImageIndex >= 0 && s.ImageIndex < s.Images->Count();
}

// The caption (and image) from `textLeft` on, and the focus rectangle.
void DrawFlatCaption(QPainter& painter, const TvnCheckRadioSnapshot& s, int textLeft)
{
    const QSize image = HasImage(s) ? QSize(s.Images->Width(), s.Images->Height()) : QSize();
    const vnctrls::TvnFlatCaptionLayout layout = vnctrls::LayoutFlatCaption(s, textLeft, image);
    painter.setFont(s.Font);
    painter.setPen(s.TextColor);
    if (!layout.Image.isNull())
        s.Images->Draw(painter, layout.Image.x(), layout.Image.y(), s.ImageIndex, s.Enabled);
    QRect drawn = layout.Text;
    platform::DrawText(painter, s.Caption, drawn, s.WordWrap ? kWrapped : kSingleLine);
    if (s.Focused && !layout.Focus.isNull()) vnctrls::DrawFocusRect(painter, layout.Focus, s.FocusFace);
}

// The flat look over what `painter` already holds (the parent's background).
void DrawFlat(QPainter& painter, const TvnCheckRadioSnapshot& s)
{
    if (s.Record) {
        const QImage check = CheckPicture(s);
        if (!check.isNull()) painter.drawImage(3, s.Size.height() / 2 - check.height() / 2, check);
        DrawFlatCaption(painter, s, check.width() + 7);
        return;
    }
    const int h = s.Size.height() / 2;
    const QRect box(3, h - 7, 14, 14);
    const QColor shadow = ToQColor(clr::clBtnShadow);
    const QColor frame = s.MouseIn ? ToQColor(clr::clNavy) : shadow;
    vnutils::DrawFlatFrame(painter, box, frame, frame);
    const QColor mark = s.Enabled ? QColor(Qt::black) : shadow;
    if (s.Grayed && !s.Radio)
        vnutils::DrawMark(painter, vnutils::TvnMark::CheckMark, { 7, h - 4 }, ToQColor(clr::clGrayText));
    else if (s.Checked && s.Radio)
        vnutils::DrawMark(painter, vnutils::TvnMark::FilledSquare, { 7, h - 3 }, mark);
    else if (s.Checked)
        vnutils::DrawMark(painter, vnutils::TvnMark::CheckMark, { 7, h - 4 }, mark);
    DrawFlatCaption(painter, s, 22);
}

// Check image and caption over a framed face.
void DrawFramedContent(QImage& bitmap, const TvnCheckRadioSnapshot& s, bool hot)
{
    const vnctrls::TvnCheckAreas areas = vnctrls::FramedAreas(*s.Record, s.Size.width());
    QPainter painter(&bitmap);
    const QImage check = CheckPicture(s);
    if (!check.isNull())
        painter.drawImage(areas.Check.x() + (areas.Check.width() - check.width()) / 2,
            areas.Check.y() + (areas.Check.height() - check.height()) / 2, check);
    painter.setFont(s.Font);
    painter.setPen(hot ? s.HotTextColor : s.TextColor);
    QRect text = areas.Text;
    platform::DrawText(painter, s.Caption, text, kSingleLine);
}

} // namespace

namespace vnctrls {

TvnCheckRadioLookKey LookKey(const TvnCheckRadioSnapshot& s)
{
    TvnCheckRadioLookKey key;
    key.Record = s.RecordIndex;
    key.Size = s.Size;
    key.Source = s.FadeStep != 0 || !s.Hot ? s.NormalFace : s.HotFace;
    key.Step = s.FadeStep;
    key.Blend = s.FadeStep != 0 ? s.HotFace : QRect();
    key.Check = s.Check;
    key.Caption = s.Caption;
    key.Font = s.Font;
    key.TextColor = s.TextColor;
    key.HotTextColor = s.HotTextColor;
    return key;
}

TvnCheckAreas FramedAreas(const TvnDataSkinCheckRadioControl& record, int width)
{
    const int dw = width - record.SkinRect.width();
    TvnCheckAreas areas { record.TextArea.adjusted(0, 0, dw, 0), record.CheckImageArea };
    if (vnutils::RectRight(areas.Check) > vnutils::RectRight(record.TextArea)) areas.Check.translate(dw, 0);
    return areas;
}

TvnFlatCaptionLayout LayoutFlatCaption(const TvnCheckRadioSnapshot& s, int textLeft, QSize image)
{
    TvnFlatCaptionLayout out;
    const int w = s.Size.width(), h = s.Size.height();
    int left = textLeft;
    if (!image.isEmpty()) {
        out.Image = QRect(QPoint(left, (h - image.height()) / 2), image);
        left += s.WordWrap ? image.width() : image.width() + 8;
    }
    if (!s.WordWrap) {
        const QSize text = platform::MeasureText(s.Font, s.Caption, QRect(), kSingleLine).size();
        out.Text = vnutils::RectLTRB(left, (h - text.height()) / 2, std::min(left + text.width(), w - 2),
            (h - text.height()) / 2 + text.height());
    } else {
        const QSize text
            = platform::MeasureText(s.Font, s.Caption, QRect(left, 0, w - left, h), kWrapped).size();
        out.Text = QRect(left, (h - text.height()) / 2, w - left, text.height());
    }
    if (!s.Caption.isEmpty())
        out.Focus = out.Text.adjusted(-2, -1, 3, 1);
    else if (!out.Image.isNull())
        out.Focus = out.Image.adjusted(-1, -1, 1, 1);
    return out;
}

} // namespace vnctrls

TvnCheckRadioSnapshot TvnSkinCheckRadioBox::TakeSnapshot() const
{
    TvnCheckRadioSnapshot s;
    s.Record = SkinRecordIndex() != -1 ? Record<TvnDataSkinCheckRadioControl>() : nullptr;
    s.RecordIndex = SkinRecordIndex();
    s.Size = size();
    s.Enabled = isEnabled();
    s.MouseIn = m_mouseIn;
    s.Focused = FocusableAndFocused();
    s.Checked = m_checked;
    s.Grayed = m_state == cbGrayed;
    s.Radio = m_radio;
    s.Caption = Caption();
    s.Images = m_images;
    s.ImageIndex = m_imageIndex;
    s.WordWrap = m_wordWrap;
    s.Geometry = &m_geometry;
    s.Current = m_current;
    const auto ownOr
        = [&](TColor skinColor) { return ToQColor(m_useSkinFontColor ? skinColor : DefaultFont()->Color()); };
    if (!s.Record) {
        s.Font = DefaultQFont();
        s.TextColor = s.Enabled ? ToQColor(DefaultFont()->Color()) : ToQColor(clr::clBtnShadow);
        s.FocusFace = clr::clBtnFace;
        s.ParentBackground = vnctrls::ParentBackgroundPicture(this, rect());
        return s;
    }
    const TvnDataSkinCheckRadioControl& r = *s.Record;
    s.Font = UseSkinFont() ? TFont::MakeQFont(r.FontName, r.FontHeight, r.FontStyle) : DefaultQFont();
    s.Check = vnctrls::ChooseCheckImage(vnctrls::CheckImages(r), s.Enabled, s.MouseIn, s.Checked, s.Grayed);
    s.Framed = !m_flat;
    if (!s.Framed) {
        s.TextColor = ownOr(s.Enabled ? r.FrameFontColor : r.UnenabledFontColor);
        s.FocusFace = SkinData()->SkinColors.cBtnFace;
        s.ParentBackground = vnctrls::ParentBackgroundPicture(this, rect());
        return s;
    }
    s.NormalFace = r.SkinRect;
    s.HotFace = vnutils::RectEmpty(r.ActiveSkinRect) ? r.SkinRect : r.ActiveSkinRect;
    s.TextColor = ownOr(s.Enabled ? r.FontColor : r.UnenabledFontColor);
    s.HotTextColor = ownOr(s.Enabled ? r.ActiveFontColor : r.UnenabledFontColor);
    if (CrossFadeEnabled() && s.Enabled && m_fader.Blending()) {
        s.FadeStep = m_fader.Step();
        s.Fade = m_fader.Factor();
    }
    s.Hot = s.MouseIn || s.Focused;
    return s;
}

QImage TvnSkinCheckRadioBox::ComposeFramed(const TvnCheckRadioSnapshot& s, bool hot)
{
    const QRect faceRect = hot ? s.HotFace : s.NormalFace;
    QImage bitmap = m_faces.Get({ s.RecordIndex, s.Size, faceRect, 0 }, [&] {
        QImage composed(s.Size, QImage::Format_RGB32);
        composed.fill(0);
        vnctrls::TvnControlGeometry face = *s.Geometry;
        face.Parts.SkinRect = faceRect;
        vnctrls::DrawPlainSkin(composed, face, s.Current, false);
        return composed;
    });
    DrawFramedContent(bitmap, s, hot);
    return bitmap;
}

QImage TvnSkinCheckRadioBox::ComposeLook(const TvnCheckRadioSnapshot& s)
{
    if (s.FadeStep == 0) return ComposeFramed(s, s.Hot);
    TvnEffectBmp blend(ComposeFramed(s, false));
    blend.Morph(TvnEffectBmp(ComposeFramed(s, true)), s.Record->MorphKind, s.Fade);
    return blend.Image();
}

void TvnSkinCheckRadioBox::DrawSkinned(QImage& bitmap)
{
    const TvnCheckRadioSnapshot s = TakeSnapshot();
    if (s.Framed) {
        bitmap = m_looks.Get(vnctrls::LookKey(s), [&] { return ComposeLook(s); });
        return;
    }
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, s.ParentBackground);
    DrawFlat(painter, s);
}

void TvnSkinCheckRadioBox::DrawUnskinned(QImage& bitmap) { DrawSkinned(bitmap); }

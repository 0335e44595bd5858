// The check box's looks: flat (the parent's background, the check image and the
// caption), framed (the record's face with the check image and caption in its areas,
// cross-faded to the hot face), and the flat default look.
#include "CheckRadioBox.h"
#include "ParentBackground.h"
#include "SkinPieces.h"
#include "platform/DrawText.h"
#include "skin/data/vnUtils/Marks.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vneffects/EffectBmp.h"

#include <QPainter>

namespace {

constexpr unsigned kSingleLine = dt::DT_SINGLELINE | dt::DT_VCENTER;
constexpr unsigned kWrapped = dt::DT_WORDBREAK | dt::DT_EXPANDTABS;

} // namespace

bool TvnSkinCheckRadioBox::HasImage() const
{
    return m_images && m_imageIndex >= 0 && m_imageIndex < m_images->Count();
}

QFont TvnSkinCheckRadioBox::CaptionFont() const
{
    const auto* record = Record<TvnDataSkinCheckRadioControl>();
    if (record && UseSkinFont())
        return TFont::MakeQFont(record->FontName, record->FontHeight, record->FontStyle);
    return DefaultQFont();
}

QColor TvnSkinCheckRadioBox::CaptionColor(TColor skinColor) const
{
    return ToQColor(m_useSkinFontColor ? skinColor : DefaultFont()->Color());
}

QImage TvnSkinCheckRadioBox::CheckPicture(bool mouseIn) const
{
    const auto* record = Record<TvnDataSkinCheckRadioControl>();
    if (!record) return QImage();
    const vnctrls::TvnCheckImageChoice choice = vnctrls::ChooseCheckImage(
        vnctrls::CheckImages(*record), isEnabled(), mouseIn, m_checked, m_state == cbGrayed);
    const QImage piece = vnctrls::TransparentPiece(m_geometry.Picture, choice.Rect);
    return choice.Lighten && !piece.isNull() ? vnctrls::LightenedHalfway(piece) : piece;
}

void TvnSkinCheckRadioBox::DrawFlatCaption(
    QPainter& painter, int textLeft, const QColor& color, TColor focusFace)
{
    const int w = Width(), h = Height();
    const QFont font = CaptionFont();
    painter.setFont(font);
    painter.setPen(color);
    int left = textLeft;
    QRect imageRect;
    if (HasImage()) {
        imageRect = QRect(left, (h - m_images->Height()) / 2, m_images->Width(), m_images->Height());
        m_images->Draw(painter, imageRect.x(), imageRect.y(), m_imageIndex, isEnabled());
        left += m_wordWrap ? imageRect.width() : imageRect.width() + 8;
    }
    QRect textRect;
    if (!m_wordWrap) {
        const QSize text = platform::MeasureText(font, Caption(), QRect(), kSingleLine).size();
        textRect = vnutils::RectLTRB(left, (h - text.height()) / 2, std::min(left + text.width(), w - 2),
            (h - text.height()) / 2 + text.height());
        QRect drawn = textRect;
        platform::DrawText(painter, Caption(), drawn, kSingleLine);
    } else {
        const QSize text
            = platform::MeasureText(font, Caption(), QRect(left, 0, w - left, h), kWrapped).size();
        textRect = QRect(left, (h - text.height()) / 2, w - left, text.height());
        QRect drawn = textRect;
        platform::DrawText(painter, Caption(), drawn, kWrapped);
    }
    if (!FocusableAndFocused()) return;
    if (!Caption().isEmpty())
        vnctrls::DrawFocusRect(painter, textRect.adjusted(-2, -1, 3, 1), focusFace);
    else if (!imageRect.isNull())
        vnctrls::DrawFocusRect(painter, imageRect.adjusted(-1, -1, 1, 1), focusFace);
}

void TvnSkinCheckRadioBox::DrawFlat(QImage& bitmap, bool skinned)
{
    QPainter painter(&bitmap);
    vnctrls::PaintParentBackground(this, painter);
    const auto* record = skinned ? Record<TvnDataSkinCheckRadioControl>() : nullptr;
    if (record) {
        const QImage check = CheckPicture(m_mouseIn);
        if (!check.isNull()) painter.drawImage(3, Height() / 2 - check.height() / 2, check);
        const TColor color = isEnabled() ? record->FrameFontColor : record->UnenabledFontColor;
        DrawFlatCaption(painter, check.width() + 7, CaptionColor(color), SkinData()->SkinColors.cBtnFace);
        return;
    }
    const int h = Height() / 2;
    const QRect box(3, h - 7, 14, 14);
    const QColor shadow = ToQColor(clr::clBtnShadow);
    const QColor frame = m_mouseIn ? ToQColor(clr::clNavy) : shadow;
    vnutils::DrawFlatFrame(painter, box, frame, frame);
    const QColor mark = isEnabled() ? QColor(Qt::black) : shadow;
    if (m_state == cbGrayed && !m_radio)
        vnutils::DrawMark(painter, vnutils::TvnMark::CheckMark, { 7, h - 4 }, ToQColor(clr::clGrayText));
    else if (m_checked && m_radio)
        vnutils::DrawMark(painter, vnutils::TvnMark::FilledSquare, { 7, h - 3 }, mark);
    else if (m_checked)
        vnutils::DrawMark(painter, vnutils::TvnMark::CheckMark, { 7, h - 4 }, mark);
    const QColor caption = isEnabled() ? ToQColor(DefaultFont()->Color()) : shadow;
    DrawFlatCaption(painter, 22, caption, clr::clBtnFace);
}

void TvnSkinCheckRadioBox::DrawFramed(QImage& bitmap, bool hot)
{
    const auto* record = Record<TvnDataSkinCheckRadioControl>();
    const QRect faceRect
        = hot && !vnutils::RectEmpty(record->ActiveSkinRect) ? record->ActiveSkinRect : record->SkinRect;
    bitmap = m_faces.Get({ SkinRecordIndex(), size(), faceRect, 0 }, [&] {
        QImage composed(size(), QImage::Format_RGB32);
        composed.fill(0);
        vnctrls::TvnControlGeometry face = m_geometry;
        face.Parts.SkinRect = faceRect;
        vnctrls::DrawPlainSkin(composed, face, m_current, false);
        return composed;
    });

    // The areas grow with the box: the text area's right edge, and a check area right of
    // the text moves along.
    const int dw = Width() - record->SkinRect.width();
    QRect textArea = record->TextArea.adjusted(0, 0, dw, 0);
    QRect checkArea = record->CheckImageArea;
    if (vnutils::RectRight(checkArea) > vnutils::RectRight(record->TextArea)) checkArea.translate(dw, 0);

    QPainter painter(&bitmap);
    const QImage check = CheckPicture(m_mouseIn);
    if (!check.isNull())
        painter.drawImage(checkArea.x() + (checkArea.width() - check.width()) / 2,
            checkArea.y() + (checkArea.height() - check.height()) / 2, check);
    const TColor color = !isEnabled() ? record->UnenabledFontColor
        : hot                         ? record->ActiveFontColor
                                      : record->FontColor;
    painter.setFont(CaptionFont());
    painter.setPen(CaptionColor(color));
    platform::DrawText(painter, Caption(), textArea, kSingleLine);
}

void TvnSkinCheckRadioBox::DrawSkinned(QImage& bitmap)
{
    if (m_flat || !Record<TvnDataSkinCheckRadioControl>()) {
        DrawFlat(bitmap, true);
        return;
    }
    if (CrossFadeEnabled() && isEnabled() && m_fader.Blending()) {
        QImage normal(bitmap.size(), QImage::Format_RGB32), hot(bitmap.size(), QImage::Format_RGB32);
        normal.fill(0);
        hot.fill(0);
        DrawFramed(normal, false);
        DrawFramed(hot, true);
        TvnEffectBmp blend(normal);
        blend.Morph(TvnEffectBmp(hot), Record<TvnDataSkinCheckRadioControl>()->MorphKind, m_fader.Factor());
        QPainter(&bitmap).drawImage(0, 0, blend.Image());
        return;
    }
    DrawFramed(bitmap, m_mouseIn || FocusableAndFocused());
}

void TvnSkinCheckRadioBox::DrawUnskinned(QImage& bitmap) { DrawFlat(bitmap, false); }

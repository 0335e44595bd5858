#include "SkinTabSheet.h"

#include "SkinPageControl.h"
#include "framework/StoreChanged.h"
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnUtils/NinePart.h"
#include "skin/data/vnUtils/PixelParts.h"

#include <QPainter>

TvnSkinCustomTabSheet::TvnSkinCustomTabSheet(QObject* owner)
    : TTabSheet(owner)
{
    setVisible(false);
}

void TvnSkinCustomTabSheet::SetWallPaper(const QImage& picture)
{
    if (StoreChanged(m_wallPaper, picture)) update();
}

TvnSkinPageControl* TvnSkinCustomTabSheet::SkinPageControl() const
{
    return qobject_cast<TvnSkinPageControl*>(PageControl());
}

bool TvnSkinCustomTabSheet::BackgroundStretches() const
{
    const TvnSkinPageControl* control = SkinPageControl();
    const TvnDataSkinTabControl* record = control ? control->TabRecord() : nullptr;
    return m_wallPaper.isNull() && record && record->Geometry.StretchEffect;
}

void TvnSkinCustomTabSheet::PaintBackground(QPainter& painter) const
{
    if (!m_wallPaper.isNull()) {
        vnutils::DrawPieces(painter, m_wallPaper,
            vnutils::MiddlePieces(rect(), m_wallPaper.rect(), false, TvnStretchType::Full));
        return;
    }
    const TvnSkinPageControl* control = SkinPageControl();
    const TvnDataSkinTabControl* record = control ? control->TabRecord() : nullptr;
    if (!record) {
        painter.fillRect(rect(), ToQColor(clr::clBtnFace));
        return;
    }
    const TvnSkinGeometry& g = record->Geometry;
    const TvnSkinData* store = control->SkinData();
    if (record->BGPictureIndex != -1) {
        const QImage picture = vnutils::As32Bit(store->Picture(record->BGPictureIndex));
        if (!picture.isNull()) {
            vnutils::DrawPieces(painter, picture,
                vnutils::MiddlePieces(rect(), picture.rect(), g.StretchEffect, g.StretchType));
            return;
        }
    }
    const QImage picture = vnutils::As32Bit(store->Picture(record->PictureIndex));
    const QRect tile = g.ClientRect.translated(record->SkinRect.topLeft());
    // A stretched tile spans the whole page control, so the sheets line up with its frame.
    const QRect target = g.StretchEffect ? QRect(QPoint(0, 0), control->size()) : rect();
    vnutils::DrawPieces(
        painter, picture, vnutils::MiddlePieces(target, tile, g.StretchEffect, g.StretchType));
}

void TvnSkinCustomTabSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintBackground(painter);
}

void TvnSkinCustomTabSheet::NotifyChildrenBackground()
{
    for (QObject* child : children())
        if (auto* control = qobject_cast<TControl*>(child))
            control->Perform(msg::SKINMSG_PARENT_BACKGROUND, 0, 0);
}

void TvnSkinCustomTabSheet::resizeEvent(QResizeEvent* e)
{
    TTabSheet::resizeEvent(e);
    update();
    if (BackgroundStretches()) NotifyChildrenBackground();
}

void TvnSkinCustomTabSheet::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case TvnSkinPageControl::kPaintFrameMessage:
        m.Result = TvnSkinPageControl::kNoFrameAnswer;
        return;
    case msg::SKINMSG_CHANGE:
        // The page control has looked its record up again by now (parents come first).
        update();
        NotifyChildrenBackground();
        break;
    default:
        break;
    }
    TTabSheet::WndProc(m);
}

TvnSkinTabSheet::TvnSkinTabSheet(QObject* owner)
    : TvnSkinCustomTabSheet(owner)
{
}

// The frame's geometry at its present size, the window region cut from the skin's mask,
// and their rebuild after a size change.
#include "Veneerform.h"
#include "framework/Form.h"
#include "skin/data/vnUtils/MaskRegion.h"
#include "skin/data/vnUtils/SkinRect.h"

using namespace vnutils;

namespace veneer {

void TvnVeneerform::UpdateFrameGeometry()
{
    if (!m_skinData || m_skinData->Empty()) return;
    m_geometry = veneer::UpdateFrameGeometry(*m_skinData, PictureSize(), QSize(m_frameWidth, m_frameHeight));
}

namespace {

// How the mask picture is cut: like the frame picture, with the mask's own client
// rectangle (the area that is always inside the shape).
TvnNinePart MaskParts(const TvnSkinData& skin)
{
    TvnNinePart parts;
    parts.SkinRect = QRect(QPoint(0, 0), skin.MainMask.size());
    parts.Geometry = skin.Geometry;
    parts.Geometry.ClientRect = skin.MaskRectArea;
    return parts;
}

} // namespace

void TvnVeneerform::UpdateFrameRegion(bool composition)
{
    std::optional<QRegion> region;
    if (!m_skinnable || m_form->BorderStyle() == bsNone) {
        m_maskStrips = {};
    } else if (!m_skinData || m_skinData->Empty()) {
        m_maskStrips = {};
        region = QRegion(0, 0, m_frameWidth, m_frameHeight);
    } else if (m_skinData->MainMask.isNull()) {
        region = QRegion(0, 0, m_frameWidth, m_frameHeight);
    } else if (composition) {
        const TvnNinePart parts = MaskParts(*m_skinData);
        const TvnNinePartTarget to = StandardTarget(parts, QSize(m_frameWidth, m_frameHeight));
        m_maskStrips = BuildMaskStrips(m_skinData->MainMask, parts, to);
        region = WindowRegionFromStrips(m_maskStrips, m_geometry.NewMaskRectArea);
    } else {
        region = RegionFromMask(m_skinData->MainMask);
    }
    m_frameRegion = region;
    if (region)
        m_form->setMask(*region);
    else
        m_form->clearMask();
}

void TvnVeneerform::RebuildAfterSize()
{
    if (!m_skinData || m_skinData->Empty()) return;
    if (m_skinnable) {
        UpdateFrameGeometry();
        LayoutObjects(m_objects.Layout(), *m_skinData, PictureSize(), QSize(m_frameWidth, m_frameHeight));
    }
    UpdateFrameRegion(true);
    if (!m_frameRegion && m_skinnable && m_form->BorderStyle() != bsNone) RepaintFrame();
    if (m_skinPresent && m_skinData->Geometry.StretchEffect) {
        // A stretched background changes with the size: the controls that show it redraw.
        m_form->ClientWidget()->update();
        for (QObject* child : m_form->ClientWidget()->children())
            if (auto* target = dynamic_cast<TMessageTarget*>(child))
                target->Perform(msg::SKINMSG_PARENT_BACKGROUND);
    }
}

void TvnVeneerform::RepaintFrame()
{
    m_paintCache.Valid = false;
    if (!m_form) return;
    m_form->update(QRegion(m_form->rect()) - QRegion(m_form->ClientWidget()->geometry()));
}

} // namespace veneer

// The glow layers the caption buttons show around themselves while the pointer is over
// them. A button that opens a menu glows on a layer of its own, which stays while its
// menu shows, so the pointer moving into the menu leaves the button lit.
#include "Veneerform.h"
#include "framework/Form.h"
#include "platform/LayeredWindows.h"

namespace veneer {

bool TvnVeneerform::OpensMenu(int i) const
{
    const TvnLayoutObject& o = m_objects.LayoutAt(i);
    const bool systemMenu = o.Command == TvnSkinCommand::cmSysMenu
        && (o.Kind == TvnObjectKind::StdButton || o.Kind == TvnObjectKind::Animate);
    return systemMenu || ButtonMenuOf(i);
}

TvnLayerManager* TvnVeneerform::GlowLayerOf(int i) const
{
    return OpensMenu(i) ? m_menuGlowLayer : m_glowLayer;
}

void TvnVeneerform::ShowGlow(int i)
{
    // Without compositing the glow's window would hide the button under it.
    if (!m_skinPresent || !m_skinData->ShowCaptionButtonGlowFrames() || !platform::LayeredWindowsAvailable())
        return;
    if (ShowsIcon(m_objects.LayoutAt(i), m_showIcon)) return;
    const TvnDataSkinObject* record = m_objects.State(i).Record.Object;
    if (!record || record->GlowLayerPictureIndex == -1) return;
    const QImage picture = m_skinData->Picture(record->GlowLayerPictureIndex);
    if (picture.isNull()) return;
    TvnLayerManager* layer = GlowLayerOf(i);
    layer->SetTopmost(m_form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QPoint at = m_form->mapToGlobal(m_objects.LayoutAt(i).Rect.topLeft())
        - QPoint(record->GlowLayerOffsetX, record->GlowLayerOffsetY);
    layer->Show(at.x(), at.y(), record->GlowLayerAlphaBlendValue,
        m_skinData->Picture(record->GlowLayerMaskPictureIndex), picture);
}

void TvnVeneerform::HideGlow(int i) { GlowLayerOf(i)->Hide(); }

void TvnVeneerform::HideGlows()
{
    m_glowLayer->Hide();
    m_menuGlowLayer->Hide();
}

} // namespace veneer

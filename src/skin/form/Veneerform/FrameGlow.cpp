// The glow layer a caption button shows around itself while the pointer is over it.
#include "Veneerform.h"
#include "framework/Form.h"
#include "platform/LayeredWindows.h"

namespace veneer {

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
    m_glowLayer->SetTopmost(m_form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QPoint at = m_form->mapToGlobal(m_objects.LayoutAt(i).Rect.topLeft())
        - QPoint(record->GlowLayerOffsetX, record->GlowLayerOffsetY);
    m_glowLayer->Show(at.x(), at.y(), record->GlowLayerAlphaBlendValue,
        m_skinData->Picture(record->GlowLayerMaskPictureIndex), picture);
}

void TvnVeneerform::HideGlow() { m_glowLayer->Hide(); }

} // namespace veneer

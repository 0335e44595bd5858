// The glow window around a hot button: the record's glow picture and mask, sized with
// the button, shown in a translucent window of the button's own layer manager.
#include "Button.h"
#include "platform/LayeredWindows.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "skin/data/vnUtils/ThreePartStrip.h"

using vnctrls::TvnResizeMode;

namespace {

// The glow picture (or its mask) at `target` size for the resize mode.
QImage SizedGlow(const QImage& source, TvnResizeMode mode, QSize target, const TvnDataSkinButtonControl& r)
{
    if (source.isNull() || target == source.size()) return source;
    if (mode == TvnResizeMode::Horizontal)
        return vnutils::HorizontalStrip(
            source, source.rect(), r.GlowLayerOffsetLeft, r.GlowLayerOffsetRight, target.width(), true);
    QImage sized(target, QImage::Format_RGB32);
    sized.fill(0);
    const QRect inner = vnutils::RectLTRB(r.GlowLayerOffsetLeft, r.GlowLayerOffsetTop,
        source.width() - r.GlowLayerOffsetRight, source.height() - r.GlowLayerOffsetBottom);
    vnutils::StretchSkinRect(sized, source, source.rect(), inner);
    return sized;
}

} // namespace

bool TvnSkinButton::GlowAllowed() const
{
    const auto* record = Record<TvnDataSkinButtonControl>();
    return record && LoadedSkin() && platform::LayeredWindowsAvailable()
        && record->GlowLayerPictureIndex != -1;
}

void TvnSkinButton::ShowGlow()
{
    // Posted: the button may have gone out of sight since.
    if (!isVisible() || !GlowAllowed() || !(SkinData()->ShowButtonGlowFrames() || m_alwaysShowLayeredFrame))
        return;
    const auto* record = Record<TvnDataSkinButtonControl>();
    const QImage picture = SkinData()->Picture(record->GlowLayerPictureIndex);
    const QImage mask = SkinData()->Picture(record->GlowLayerMaskPictureIndex);
    const QSize target
        = vnctrls::GlowSize(ResizeMode(), m_useSkinSize, picture.size(), record->SkinRect.size(), size());
    if (target.isEmpty() || picture.isNull()) return;
    m_glow->SetTopmost(window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QPoint at
        = mapToGlobal(QPoint(0, 0)) - QPoint(record->GlowLayerShowOffsetX, record->GlowLayerShowOffsetY);
    m_glow->Show(at.x(), at.y(), record->GlowLayerAlphaBlendValue,
        SizedGlow(mask, ResizeMode(), target, *record), SizedGlow(picture, ResizeMode(), target, *record));
}

void TvnSkinButton::HideGlow() { m_glow->Hide(); }

void TvnSkinButton::HideGlowOnLeave()
{
    // A glow shown only because of AlwaysShowLayeredFrame stays until the next skin
    // change.
    if (!GlowAllowed() || !SkinData()->ShowButtonGlowFrames()) return;
    const TvnResizeMode mode = ResizeMode();
    if (mode == TvnResizeMode::Fixed || mode == TvnResizeMode::Both
        || (mode == TvnResizeMode::Horizontal && m_useSkinSize))
        HideGlow();
}

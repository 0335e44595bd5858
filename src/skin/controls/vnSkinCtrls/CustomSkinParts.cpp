#include "CustomSkinParts.h"

#include "framework/Font.h"

namespace vnctrls {

TFont* NewDefaultFont(QObject* owner)
{
    auto* font = new TFont(owner);
    font->SetName(QStringLiteral("Arial"));
    font->SetHeight(14);
    return font;
}

void ApplySkinSize(
    bool hasRecord, const TvnControlGeometry& geometry, TvnCurrentGeometry& current, int& width, int& height)
{
    if (!hasRecord || geometry.ResizeMode == TvnResizeMode::None) return;
    const TvnSkinSize sized = AdjustSizeToSkin(geometry, { width, height });
    width = sized.Size.width();
    height = sized.Size.height();
    current = sized.Current;
}

} // namespace vnctrls

#include "ButtonFace.h"

#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnUtils/SkinRect.h"

namespace vnctrls {

using vnutils::RectEmpty;

TvnButtonFaces ButtonFaces(const TvnDataSkinButtonControl& r)
{
    TvnButtonFaces f;
    f.Normal = r.SkinRect;
    f.Hot = RectEmpty(r.ActiveSkinRect) ? f.Normal : r.ActiveSkinRect;
    f.Pressed = RectEmpty(r.DownSkinRect) ? f.Hot : r.DownSkinRect;
    f.Focused = r.FocusedSkinRect;
    f.Disabled = r.DisabledSkinRect;
    f.FontColor = r.FontColor;
    f.HotColor = r.ActiveFontColor;
    f.PressedColor = r.DownFontColor;
    f.DisabledColor = r.DisabledFontColor == r.FontColor ? clr::clGray : r.DisabledFontColor;
    f.Animation = r.AnimateSkinRect;
    f.FrameCount = r.FrameCount;
    return f;
}

bool ShowsPressed(const TvnButtonState& s)
{
    return s.Down && (s.GroupIndex != 0 || s.MouseIn || (s.Focused && !s.MouseDown));
}

TvnFaceChoice ChooseFace(const TvnButtonState& s, const TvnButtonFaces& faces)
{
    using F = TvnButtonFace;
    if (!s.Enabled && !RectEmpty(faces.Disabled)) return { F::Disabled, false, false };
    if (ShowsPressed(s)) return { F::Pressed, true, true };
    if (s.Focused && !RectEmpty(faces.Focused) && !s.Animating) return { F::Focused, true, false };
    if (s.Focused || s.MouseIn) return { F::Hot, true, false };
    if (s.CrossFade && s.Morph == 1) return { F::Hot, true, false };
    return { F::Normal, false, false };
}

QRect FaceRect(TvnButtonFace face, const TvnButtonFaces& faces)
{
    switch (face) {
    case TvnButtonFace::Normal:
        return faces.Normal;
    case TvnButtonFace::Hot:
        return faces.Hot;
    case TvnButtonFace::Pressed:
        return faces.Pressed;
    case TvnButtonFace::Focused:
        return faces.Focused;
    case TvnButtonFace::Disabled:
        return faces.Disabled;
    }
    return faces.Normal;
}

QRect AnimationFrame(const QRect& strip, int n, int k, const QRect& face)
{
    if (n < 1) return face;
    if (strip.width() > face.width()) {
        const int step = strip.width() / n;
        return QRect(strip.x() + step * (k - 1), strip.y(), step, strip.height());
    }
    const int step = strip.height() / n;
    return QRect(strip.x(), strip.y() + step * (k - 1), strip.width(), step);
}

int GlyphIndex(bool enabled, bool hot, bool pressed, int numGlyphs)
{
    if (hot && pressed && numGlyphs > 2) return 3;
    if (hot && numGlyphs > 3) return 4;
    if (enabled || numGlyphs < 2) return 1;
    return 2;
}

TColor CaptionColor(const TvnButtonFaces& faces, bool enabled, bool hot, bool pressed)
{
    if (!enabled) return faces.DisabledColor;
    if (hot && pressed) return faces.PressedColor;
    if (hot) return faces.HotColor;
    return faces.FontColor;
}

QSize GlowSize(TvnResizeMode mode, bool useSkinSize, QSize glow, QSize skin, QSize size)
{
    switch (mode) {
    case TvnResizeMode::Fixed:
        return glow;
    case TvnResizeMode::Horizontal:
        if (useSkinSize) return { glow.width() + size.width() - skin.width(), glow.height() };
        return {};
    case TvnResizeMode::Both:
        return { glow.width() + size.width() - skin.width(), glow.height() + size.height() - skin.height() };
    default:
        return {};
    }
}

} // namespace vnctrls

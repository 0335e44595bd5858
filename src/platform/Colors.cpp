#include "Colors.h"

#include <QString>
#include <array>

namespace {

// The classic desktop scheme: the windows were designed against these values, so the
// default looks keep them rather than following the host's palette.
constexpr std::array<TColor, 31> kSystemColors = {
    RGB(200, 200, 200), // 0 scroll bar
    RGB(58, 110, 165), // 1 desktop
    RGB(10, 36, 106), // 2 active caption
    RGB(128, 128, 128), // 3 inactive caption
    RGB(212, 208, 200), // 4 menu
    RGB(255, 255, 255), // 5 window
    RGB(0, 0, 0), // 6 window frame
    RGB(0, 0, 0), // 7 menu text
    RGB(0, 0, 0), // 8 window text
    RGB(255, 255, 255), // 9 caption text
    RGB(212, 208, 200), // 10 active border
    RGB(212, 208, 200), // 11 inactive border
    RGB(128, 128, 128), // 12 application work space
    RGB(10, 36, 106), // 13 highlight
    RGB(255, 255, 255), // 14 highlight text
    RGB(212, 208, 200), // 15 button face
    RGB(128, 128, 128), // 16 button shadow
    RGB(128, 128, 128), // 17 grey text
    RGB(0, 0, 0), // 18 button text
    RGB(212, 208, 200), // 19 inactive caption text
    RGB(255, 255, 255), // 20 button highlight
    RGB(64, 64, 64), // 21 3D dark shadow
    RGB(212, 208, 200), // 22 3D light
    RGB(0, 0, 0), // 23 info text
    RGB(255, 255, 225), // 24 info background
    RGB(181, 181, 181), // 25 (unused by the platform)
    RGB(0, 0, 128), // 26 hot light
    RGB(166, 202, 240), // 27 gradient active caption
    RGB(192, 192, 192), // 28 gradient inactive caption
    RGB(49, 106, 197), // 29 menu highlight
    RGB(236, 233, 216), // 30 menu bar
};

struct NamedColor {
    const char* name;
    TColor value;
};

constexpr NamedColor kColorNames[] = {
    { "clBlack", clr::clBlack },
    { "clMaroon", clr::clMaroon },
    { "clGreen", clr::clGreen },
    { "clOlive", clr::clOlive },
    { "clNavy", clr::clNavy },
    { "clPurple", clr::clPurple },
    { "clTeal", clr::clTeal },
    { "clGray", clr::clGray },
    { "clSilver", clr::clSilver },
    { "clRed", clr::clRed },
    { "clLime", clr::clLime },
    { "clYellow", clr::clYellow },
    { "clBlue", clr::clBlue },
    { "clFuchsia", clr::clFuchsia },
    { "clAqua", clr::clAqua },
    { "clWhite", clr::clWhite },
    { "clNone", clr::clNone },
    { "clDefault", clr::clDefault },
    { "clScrollBar", clr::clScrollBar },
    { "clBackground", clr::clBackground },
    { "clActiveCaption", clr::clActiveCaption },
    { "clInactiveCaption", clr::clInactiveCaption },
    { "clMenu", clr::clMenu },
    { "clWindow", clr::clWindow },
    { "clWindowFrame", clr::clWindowFrame },
    { "clMenuText", clr::clMenuText },
    { "clWindowText", clr::clWindowText },
    { "clCaptionText", clr::clCaptionText },
    { "clActiveBorder", clr::clActiveBorder },
    { "clInactiveBorder", clr::clInactiveBorder },
    { "clAppWorkSpace", clr::clAppWorkSpace },
    { "clHighlight", clr::clHighlight },
    { "clHighlightText", clr::clHighlightText },
    { "clBtnFace", clr::clBtnFace },
    { "clBtnShadow", clr::clBtnShadow },
    { "clGrayText", clr::clGrayText },
    { "clBtnText", clr::clBtnText },
    { "clInactiveCaptionText", clr::clInactiveCaptionText },
    { "clBtnHighlight", clr::clBtnHighlight },
    { "cl3DDkShadow", clr::cl3DDkShadow },
    { "cl3DLight", clr::cl3DLight },
    { "clInfoText", clr::clInfoText },
    { "clInfoBk", clr::clInfoBk },
    { "clHotLight", clr::clHotLight },
    { "clGradientActiveCaption", clr::clGradientActiveCaption },
    { "clGradientInactiveCaption", clr::clGradientInactiveCaption },
    { "clMenuHighlight", clr::clMenuHighlight },
    { "clMenuBar", clr::clMenuBar },
};

} // namespace

TColor GetSysColor(int index)
{
    if (index < 0 || index >= static_cast<int>(kSystemColors.size())) return 0;
    return kSystemColors[static_cast<size_t>(index)];
}

TColor ColorToRGB(TColor color)
{
    if ((color & 0xFF000000) == clr::clSystemColor) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFF;
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

bool ColorFromName(const QString& name, TColor& out)
{
    for (const auto& c : kColorNames) {
        if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) {
            out = c.value;
            return true;
        }
    }
    return false;
}

#include "SkinFormInfo.h"

#include <algorithm>

using namespace vnutils;

namespace {
const QString kFormInfo = QStringLiteral("FORMINFO");
} // namespace

// clang-format off
TvnKeyTable<TvnSkinFormInfo> TvnSkinFormInfo::Keys()
{
    using C = TvnSkinFormInfo;
    static const TvnSkinKey<C> keys[] = {
        Key("lefttoppoint", &C::LeftTopPoint),
        Key("righttoppoint", &C::RightTopPoint),
        Key("leftbottompoint", &C::LeftBottomPoint),
        Key("rightbottompoint", &C::RightBottomPoint),
        Key("clientrect", &C::ClientRect),
        Key("bgpictureindex", &C::BGPictureIndex, -1),
        Key("mdibgpictureindex", &C::MDIBGPictureIndex, -1),
        Key("leftstretch", &C::LeftStretch),
        Key("rightstretch", &C::RightStretch),
        Key("topstretch", &C::TopStretch),
        Key("bottomstretch", &C::BottomStretch),
        Key("stretcheffect", &C::StretchEffect),
        Key("stretchtype", &C::StretchType),
        Key("mdibgstretcheffect", &C::MDIBGStretchEffect),
        Key("mdibgstretchtype", &C::MDIBGStretchType),
        Key("maskrectarea", &C::MaskRectArea),
        Key("hittestlefttoppoint", &C::HitTestLeftTopPoint),
        Key("hittestrighttoppoint", &C::HitTestRightTopPoint),
        Key("hittestleftbottompoint", &C::HitTestLeftBottomPoint),
        Key("hittestrightbottompoint", &C::HitTestRightBottomPoint),
        Key("buttonsrect", &C::ButtonsRect),
        Key("captionrect", &C::CaptionRect),
        Key("buttonsoffset", &C::ButtonsOffset),
        Key("buttonsinleft", &C::ButtonsInLeft),
        Key("mainmenupopupup", &C::MainMenuPopupUp),
        Key("borderwidth", &C::BorderWidth),
        Key("formminwidth", &C::FormMinWidth),
        Key("mditabstransparent", &C::MDITabsTransparent),
        Key("mainmenubartransparent", &C::MainMenuBarTransparent),
        Key("autorenderinginactiveimage", &C::AutoRenderingInactiveImage),
        Key("inactiveeffect", &C::InactiveEffect),
    };
    return keys;
}
// clang-format on

TvnSkinFormInfo::TvnSkinFormInfo() { ApplyDefaults(*this, Keys()); }

namespace {

void ReplaceWhenOnAxis(QPoint& hitTestPoint, const QPoint& cornerPoint)
{
    if (hitTestPoint.x() == 0 || hitTestPoint.y() == 0) hitTestPoint = cornerPoint;
}

} // namespace

void TvnSkinFormInfo::LoadFormInfo(const TMemIniFile& ini, bool hasMask)
{
    LoadKeys(*this, ini, kFormInfo, Keys());

    // A shaped window's mask must at least cover the client area, and hit-test points
    // left out fall back on the corner points.
    if (hasMask) {
        if (RectEmpty(MaskRectArea)) {
            MaskRectArea = ClientRect;
        } else {
            MaskRectArea = RectLTRB(std::min(MaskRectArea.x(), ClientRect.x()),
                std::min(MaskRectArea.y(), ClientRect.y()),
                std::max(RectRight(MaskRectArea), RectRight(ClientRect)),
                std::max(RectBottom(MaskRectArea), RectBottom(ClientRect)));
        }
        ReplaceWhenOnAxis(HitTestLeftTopPoint, LeftTopPoint);
        ReplaceWhenOnAxis(HitTestRightTopPoint, RightTopPoint);
        ReplaceWhenOnAxis(HitTestLeftBottomPoint, LeftBottomPoint);
        ReplaceWhenOnAxis(HitTestRightBottomPoint, RightBottomPoint);
    }

    // Corner points outside the client rectangle would cut border parts that overlap
    // the client area; a skin whose points share a row or column has no nine-part
    // geometry and keeps them as written.
    if (RightBottomPoint.x() == LeftTopPoint.x() || RightBottomPoint.y() == LeftTopPoint.y()) return;
    const int left = ClientRect.x(), top = ClientRect.y();
    const int right = RectRight(ClientRect), bottom = RectBottom(ClientRect);
    LeftTopPoint = QPoint(std::max(LeftTopPoint.x(), left), std::max(LeftTopPoint.y(), top));
    RightTopPoint = QPoint(std::min(RightTopPoint.x(), right), std::max(RightTopPoint.y(), top));
    LeftBottomPoint = QPoint(std::max(LeftBottomPoint.x(), left), std::min(LeftBottomPoint.y(), bottom));
    RightBottomPoint = QPoint(std::min(RightBottomPoint.x(), right), std::min(RightBottomPoint.y(), bottom));
}

void TvnSkinFormInfo::SaveFormInfo(TMemIniFile& ini) const { SaveKeys(*this, ini, kFormInfo, Keys()); }

#include "SkinFormInfo.h"

#include <algorithm>

using namespace vnutils;

namespace {
const QString kFormInfo = QStringLiteral("FORMINFO");
} // namespace

TvnKeyTable<TvnSkinFormInfo> TvnSkinFormInfo::Keys()
{
    using C = TvnSkinFormInfo;
    static const TvnKeyList<C> keys = KeyRows<C>(Within(&C::Geometry, GeometryCornerKeys()),
        Within(&C::Geometry, ClientRectKey()), Key("bgpictureindex", &C::BGPictureIndex, -1),
        Key("mdibgpictureindex", &C::MDIBGPictureIndex, -1),
        Within(&C::Geometry, StretchKeys(TvnEdgeOrder::LeftRightTopBottom)),
        Key("mdibgstretcheffect", &C::MDIBGStretchEffect), Key("mdibgstretchtype", &C::MDIBGStretchType),
        Key("maskrectarea", &C::MaskRectArea), Within(&C::HitTest, HitTestCornerKeys()),
        Key("buttonsrect", &C::ButtonsRect), Key("captionrect", &C::CaptionRect),
        Key("buttonsoffset", &C::ButtonsOffset), Key("buttonsinleft", &C::ButtonsInLeft),
        Key("mainmenupopupup", &C::MainMenuPopupUp), Key("borderwidth", &C::BorderWidth),
        Key("formminwidth", &C::FormMinWidth), Key("mditabstransparent", &C::MDITabsTransparent),
        Key("mainmenubartransparent", &C::MainMenuBarTransparent),
        Key("autorenderinginactiveimage", &C::AutoRenderingInactiveImage),
        Key("inactiveeffect", &C::InactiveEffect));
    return keys;
}

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
    TvnCornerPoints& corners = Geometry.Corners;
    const QRect& client = Geometry.ClientRect;

    // A shaped window's mask must at least cover the client area, and hit-test points
    // left out fall back on the corner points.
    if (hasMask) {
        if (RectEmpty(MaskRectArea)) {
            MaskRectArea = client;
        } else {
            MaskRectArea = RectLTRB(std::min(MaskRectArea.x(), client.x()),
                std::min(MaskRectArea.y(), client.y()), std::max(RectRight(MaskRectArea), RectRight(client)),
                std::max(RectBottom(MaskRectArea), RectBottom(client)));
        }
        ReplaceWhenOnAxis(HitTest.LeftTop, corners.LeftTop);
        ReplaceWhenOnAxis(HitTest.RightTop, corners.RightTop);
        ReplaceWhenOnAxis(HitTest.LeftBottom, corners.LeftBottom);
        ReplaceWhenOnAxis(HitTest.RightBottom, corners.RightBottom);
    }

    // Corner points outside the client rectangle would cut border parts that overlap
    // the client area; a skin whose points share a row or column has no nine-part
    // geometry and keeps them as written.
    if (corners.RightBottom.x() == corners.LeftTop.x() || corners.RightBottom.y() == corners.LeftTop.y())
        return;
    const int left = client.x(), top = client.y();
    const int right = RectRight(client), bottom = RectBottom(client);
    corners.LeftTop = QPoint(std::max(corners.LeftTop.x(), left), std::max(corners.LeftTop.y(), top));
    corners.RightTop = QPoint(std::min(corners.RightTop.x(), right), std::max(corners.RightTop.y(), top));
    corners.LeftBottom
        = QPoint(std::max(corners.LeftBottom.x(), left), std::min(corners.LeftBottom.y(), bottom));
    corners.RightBottom
        = QPoint(std::min(corners.RightBottom.x(), right), std::min(corners.RightBottom.y(), bottom));
}

void TvnSkinFormInfo::SaveFormInfo(TMemIniFile& ini) const { SaveKeys(*this, ini, kFormInfo, Keys()); }

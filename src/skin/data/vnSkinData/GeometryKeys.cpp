#include "GeometryKeys.h"

namespace {

TvnKeyList<TvnCornerPoints> CornerKeysAfter(const QString& prefix)
{
    using C = TvnCornerPoints;
    const auto key = [&](const char* name, QPoint C::*field) {
        return FieldKey(prefix + QLatin1String(name), field, TvnKeyDefault {});
    };
    return {
        key("lefttoppoint", &C::LeftTop),
        key("righttoppoint", &C::RightTop),
        key("leftbottompoint", &C::LeftBottom),
        key("rightbottompoint", &C::RightBottom),
    };
}

} // namespace

TvnKeyTable<TvnCornerPoints> CornerKeys()
{
    static const TvnKeyList<TvnCornerPoints> keys = CornerKeysAfter(QString());
    return keys;
}

TvnKeyTable<TvnCornerPoints> HitTestCornerKeys()
{
    static const TvnKeyList<TvnCornerPoints> keys = CornerKeysAfter(QStringLiteral("hittest"));
    return keys;
}

TvnKeyTable<TvnSkinGeometry> GeometryCornerKeys()
{
    static const TvnKeyList<TvnSkinGeometry> keys = Within(&TvnSkinGeometry::Corners, CornerKeys());
    return keys;
}

TvnKeyTable<TvnSkinGeometry> ClientRectKey()
{
    static const TvnSkinKey<TvnSkinGeometry> keys[] = { Key("clientrect", &TvnSkinGeometry::ClientRect) };
    return keys;
}

TvnKeyTable<TvnSkinGeometry> StretchKeys(TvnEdgeOrder order)
{
    using C = TvnSkinGeometry;
    // clang-format off
    static const TvnSkinKey<C> leftTopRightBottom[] = {
        Key("leftstretch", &C::LeftStretch),
        Key("topstretch", &C::TopStretch),
        Key("rightstretch", &C::RightStretch),
        Key("bottomstretch", &C::BottomStretch),
        Key("stretcheffect", &C::StretchEffect),
        Key("stretchtype", &C::StretchType),
    };
    static const TvnSkinKey<C> leftRightTopBottom[] = {
        Key("leftstretch", &C::LeftStretch),
        Key("rightstretch", &C::RightStretch),
        Key("topstretch", &C::TopStretch),
        Key("bottomstretch", &C::BottomStretch),
        Key("stretcheffect", &C::StretchEffect),
        Key("stretchtype", &C::StretchType),
    };
    // clang-format on
    if (order == TvnEdgeOrder::LeftTopRightBottom) return leftTopRightBottom;
    return leftRightTopBottom;
}

TvnKeyTable<TvnSkinGeometry> GeometryKeys()
{
    static const TvnKeyList<TvnSkinGeometry> keys = KeyRows<TvnSkinGeometry>(
        GeometryCornerKeys(), ClientRectKey(), StretchKeys(TvnEdgeOrder::LeftTopRightBottom));
    return keys;
}

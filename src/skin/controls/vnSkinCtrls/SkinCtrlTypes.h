#pragma once
// The enumerations the skinned controls publish, in one namespace so that declared data
// can name their values.
#include <QObject>

namespace vnskin {
Q_NAMESPACE

// How a label shortens text that does not fit.
enum TvnEllipsType { vnetNone = 0, vnetEndEllips = 1, vnetPathEllips = 2 };
Q_ENUM_NS(TvnEllipsType)

// The frame of a panel's default look.
enum TvnSkinBorderStyle { bvFrame = 0, bvRaised = 1, bvLowered = 2, bvNone = 3 };
Q_ENUM_NS(TvnSkinBorderStyle)

// Where a panel's caption glyph stands: before the text, or at the caption's left edge.
enum TvnImagePosition { vnipDefault = 0, vnipLeft = 1 };
Q_ENUM_NS(TvnImagePosition)

// A check box's three states.
enum TCheckBoxState { cbUnchecked = 0, cbChecked = 1, cbGrayed = 2 };
Q_ENUM_NS(TCheckBoxState)

} // namespace vnskin

using namespace vnskin;

#pragma once
// The feature skin (assets/featureskin, made by tools/skinart --feature) loaded with the
// store's own code, and where its pieces lie.
#include "framework/Form.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/form/Veneerform/Veneerform.h"

namespace frametest {

TvnSkinData& FeatureSkin();

// The picture indices the skin's records name (tools/skinart/FeatureSkin.h).
inline constexpr int kFeatureCaptionPicture = 3;
inline constexpr int kFeatureObjectsPicture = 4;
inline constexpr int kFeatureBackgroundPicture = 6;

} // namespace frametest

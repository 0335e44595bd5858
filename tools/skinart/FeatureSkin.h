#pragma once
// The feature skin: a second skin of our own that uses every feature of the skinned
// frame, so that the engine can be seen and tested doing all of it: an animated caption
// with an active image and a morph, a soft glow on the active caption text and a glow on
// the inactive one, a reflected title in the bottom border, animated objects of each
// style (frames played once, frames in a cycle, a button that runs its frames under the
// pointer), every caption button command including roll-up and minimize to tray, glow
// layers, a button and a user object on the bottom border, a client background picture
// and a shaped window with an inactive effect.
#include "SkinBuilder.h"

namespace art {

// The numbered pictures of the feature skin; the caption buttons and their glow are the
// studio skin's (indices 0..2).
enum TFeaturePicture : int {
    fpCaptionButtons = 0,
    fpCaptionGlow = 1,
    fpCaptionGlowMask = 2,
    fpCaption = 3, // the caption's active image, then its animation frames stacked
    fpObjects = 4, // the animated objects' frames, one row each
    fpBorder = 5, // the bottom border button's looks
    fpBackground = 6, // the client background tile
    fpMenus = 7, // the menu items' looks
    fpPopup = 8, // the popup window, then its mask
    fpHint = 10, // the hint window, then its mask
};

// Where the feature skin's pieces lie, for its tests and its pictures.
namespace feature {
inline constexpr QSize kFrameSize(300, 180);
inline constexpr QRect kClientRect(8, 32, 284, 114); // 8,32 .. 292,146
inline constexpr QRect kCaptionRect(10, 3, 138, 26); // .. 148,29
inline constexpr QRect kButtonsRect(160, 7, 130, 18); // .. 290,25
inline constexpr int kCaptionFrames = 6;
inline constexpr int kObjectSize = 18;
inline constexpr int kTrayFrames = 6;
inline constexpr int kSpinnerFrames = 8;
inline constexpr int kBadgeFrames = 6;
inline constexpr QRect kStatusCaptionRect(50, 149, 200, 28); // .. 250,177
inline constexpr QRect kGripRect(274, 154, 16, 16);
inline constexpr QRect kUserAreaRect(12, 152, 32, 22);
} // namespace feature

void AddFeatureFrame(TSkinBuilder& skin);
// Popup menus and the hint window in the skin's indigo, the selection lit in cyan.
void AddFeatureMenus(TSkinBuilder& skin);

} // namespace art

#pragma once
// The value types of the skin description that more than one part of the engine reads:
// the store parses them, composition and effects act on them.
#include "framework/Types.h"

// A rectangle as the classic desktop writes it: right and bottom lie one past the last
// pixel, so Width() is Right - Left and a rectangle is empty when either extent is not
// positive. (QRect counts its right edge inclusively; convert only at the edges.)
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
    constexpr bool operator==(const TRect&) const = default;
};

enum class TvnStretchType { Full, Horz, Vert };

enum class TvnMorphKind {
    mkDefault = 0,
    mkGradient = 1,
    mkLeftGradient = 2,
    mkRightGradient = 3,
    mkLeftSlide = 4,
    mkRightSlide = 5,
    mkPush = 6,
};

enum class TvnInactiveEffect {
    ieBrightness = 0,
    ieDarkness = 1,
    ieGrayscale = 2,
    ieNoise = 3,
    ieSplitBlur = 4,
    ieInvert = 5,
};

// What a caption button or animated frame object does when clicked.
enum class TvnSkinCommand {
    cmClose = 0,
    cmMaximize = 1,
    cmMinimize = 2,
    cmSysMenu = 3,
    cmDefault = 4,
    cmRollUp = 5,
    cmMinimizeToTray = 6,
};

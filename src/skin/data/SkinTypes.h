#pragma once
// The value types of the skin description that more than one part of the engine reads:
// the store parses them, composition and effects act on them.
#include "framework/Types.h"

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

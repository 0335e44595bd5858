#pragma once
// The frame as the frame component itself draws it with a skin: a form of its own in the
// states that show each frame feature (the caption's animation, active image and text
// effects, animated objects, down and restore images, the bottom border's objects, the
// client background and a logo), and a real window of it on the screen.
#include "ContactSheet.h"

class TvnSkinData;

namespace sheet {

TTiles FrameFeaturePreviews(TvnSkinData& skin);

// Shows a form in `skin` on the screen with its caption animation stopped part-way and
// the pointer's hover on its animated button, and returns a picture of the screen
// around it (an X server is needed; under xvfb-run the desktop is black).
QImage WindowOnScreen(TvnSkinData& skin);

} // namespace sheet

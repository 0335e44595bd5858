#pragma once
// The button's look as pure functions of its state and record: which face a state
// shows, which glyph cell, which caption colour, which animation frame, and how big its
// glow picture becomes. Painting and the tests call these; none keeps state.
#include "SkinGeometry.h"
#include "platform/Colors.h"

#include <QRect>

class TvnDataSkinButtonControl;

namespace vnctrls {

enum class TvnButtonFace { Normal, Hot, Pressed, Focused, Disabled };

// What the face rules look at.
struct TvnButtonState {
    bool Enabled = true;
    bool Down = false;
    bool Focused = false; // has the focus and may take it
    bool MouseIn = false;
    bool MouseDown = false;
    int GroupIndex = 0;
    bool Animating = false;
    bool CrossFade = false; // the record, the store and its effects allow it
    double Morph = 0; // the fade factor, 0 normal .. 1 hot
};

struct TvnFaceChoice {
    TvnButtonFace Face = TvnButtonFace::Normal;
    bool Hot = false;
    bool Pressed = false;
    friend bool operator==(const TvnFaceChoice&, const TvnFaceChoice&) = default;
};

// The faces of a record after the fallbacks: an empty hot face is the normal one, an
// empty pressed face the hot one; a disabled caption colour equal to the normal one is
// grey.
struct TvnButtonFaces {
    QRect Normal, Hot, Pressed, Focused, Disabled;
    TColor FontColor = 0, HotColor = 0, PressedColor = 0, DisabledColor = 0;
    QRect Animation;
    int FrameCount = 0;
};
TvnButtonFaces ButtonFaces(const TvnDataSkinButtonControl& record);

// Rule 2.2: pressed while down in a group, or down and (under the mouse, or focused
// without the mouse held).
bool ShowsPressed(const TvnButtonState& s);

// The first matching rule: disabled face, pressed, focused face, hot (focused, mouse in,
// or faded all the way), normal.
TvnFaceChoice ChooseFace(const TvnButtonState& s, const TvnButtonFaces& faces);

// The skin rectangle of a choice.
QRect FaceRect(TvnButtonFace face, const TvnButtonFaces& faces);

// Frame k (counted from 1) of an animation strip of n frames: side by side when the
// strip is wider than the face, else one above the other.
QRect AnimationFrame(const QRect& strip, int frameCount, int frame, const QRect& face);

// Glyph cell (from 1) of a bitmap of `numGlyphs` cells for a state.
int GlyphIndex(bool enabled, bool hot, bool pressed, int numGlyphs);

// The caption colour of a state (the skin's colours).
TColor CaptionColor(const TvnButtonFaces& faces, bool enabled, bool hot, bool pressed);

// The size the glow picture takes for a button of `size`, or an empty size when no glow
// is shown in that resize mode.
QSize GlowSize(TvnResizeMode mode, bool useSkinSize, QSize glow, QSize skin, QSize size);

} // namespace vnctrls

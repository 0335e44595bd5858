#pragma once
// What one paint of a skinned button draws from, decided once at the start of the paint:
// the record (looked up once), the geometry at the present size and the state (normal,
// hot, pressed, focused, disabled, fade factor, animation frame). The draw routines read
// nothing else of the button.
//
// A paint runs four steps: look the record up (ReadSkinRecord), compute the geometry for
// the size (pure functions of SkinGeometry.h), take the snapshot (TakeSnapshot), draw
// from it. Two caches stand behind the drawing: the faces (keyed by record, size and face
// state) and the whole looks, face with glyph and caption (keyed by the snapshot's Look:
// everything it draws from).
#include "ButtonFace.h"
#include "FaceCache.h"
#include "skin/data/vnUtils/GlyphLayout.h"

#include <optional>

class TvnDataSkinButtonControl;

namespace vnctrls {

// Everything a skinned button's whole look is made of: the face (the normal one while
// blending, with the hot one in Blend), the focus rectangle, glyph and caption.
struct TvnButtonLookKey : TvnFaceKey {
    QRect Blend;
    bool FocusRect = false; // the record shows focus and the button has it
    // Glyph and caption as the chosen face shows them; while blending, as the normal
    // (Content) and the hot face (HotContent, only then) show them.
    vnutils::TvnGlyphCaption Content;
    std::optional<vnutils::TvnGlyphCaption> HotContent;
    friend bool operator==(const TvnButtonLookKey&, const TvnButtonLookKey&) = default;
};

struct TvnButtonSnapshot {
    const TvnDataSkinButtonControl* Record = nullptr; // null: the default look
    int RecordIndex = -1;
    QSize Size;
    TvnButtonState State;
    TvnButtonFaces Faces;
    TvnFaceChoice Face; // the face the rules choose
    // While cross-fading the normal and hot faces are blended at FadeStep of
    // TvnFader::kSteps (Fade as a factor); 0 when not blending.
    int FadeStep = 0;
    double Fade = 0;
    // The skin rectangle each face is composed from: the animation frame replaces the hot
    // face while playing forwards and the normal one while playing backwards.
    QRect NormalRect, HotRect, ChosenRect;
    // The geometry at the present size and whether a fixed-size skin is stretched.
    const TvnControlGeometry* Geometry = nullptr;
    TvnCurrentGeometry Current;
    bool UseSkinSize = true;
    TColor FocusFace = 0;
    // The caption's colour: the skin's for each face, unless the button's own font colour
    // is used (an enabled button with UseSkinFontColor off).
    std::optional<QColor> OwnTextColor;
    QColor TextColor(const TvnFaceChoice& choice) const
    {
        if (OwnTextColor && State.Enabled) return *OwnTextColor;
        return ToQColor(CaptionColor(Faces, State.Enabled, choice.Hot, choice.Pressed));
    }
    // Everything the whole look is drawn from, taken straight into the shape the kept
    // looks are found by (no copy per paint): the face, focus rectangle, glyph and caption.
    TvnButtonLookKey Look;
    // The button's OnPaint handler draws over the look: what it draws is not known, so
    // such a look is composed at every paint.
    bool OwnerDrawn = false;
};

// The face of skin rectangle `face` at the snapshot's size: composed as the record's
// resize mode allows, or, for a fixed-size skin on a button of any size (UseSkinSize off),
// copied or stretched as a strip over the other direction.
QImage ComposeButtonFace(const TvnButtonSnapshot& s, const QRect& face);

} // namespace vnctrls

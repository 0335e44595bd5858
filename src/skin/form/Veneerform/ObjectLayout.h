#pragma once
// Where the frame's skin objects (caption, caption buttons, animated and user objects)
// lie at the frame's present size, and which of them the form's border icons enable and
// show. Pure functions: the frame keeps the answers in its objects and both painting and
// the mouse test read them.
#include "FrameGeometry.h"
#include "FrameTypes.h"
#include "skin/data/SkinGeometry.h"

#include <span>

namespace veneer {

enum class TvnObjectKind { Caption, Button, StdButton, Animate, User };

// One frame object as the layout sees it. Rect is the answer: where the object lies in
// frame coordinates (it starts as SkinRect).
struct TvnLayoutObject {
    TvnObjectKind Kind = TvnObjectKind::User;
    TvnSkinCommand Command = TvnSkinCommand::cmDefault; // caption buttons and animated objects
    bool SkinRectInAPicture = false; // its image lies in a picture of its own
    QRect SkinRect;
    QSize
        Size; // the size in a row of buttons; empty: SkinRect's (the icon size for a system menu showing it)
    bool Shown = true;
    QRect Rect;
};

struct TvnObjectFlags {
    bool Available = true;
    bool Shown = true;
};

// Whether a caption button (or an animated object in button style) of `command` is
// enabled and shown with these border icons. An object whose image is part of the frame
// picture stays shown even when disabled, as the picture shows it anyway. Default-command
// objects are left to the application; the answer for them is (true, shown).
TvnObjectFlags CaptionButtonFlags(TvnSkinCommand command, bool skinRectInAPicture, TvnBorderIcons icons,
    bool hideCaptionButtons, bool disableSystemMenu, bool shownByApplication = false);

// Places every object for a frame of `frame` size (`picture` being MainPicture's size):
// objects drawn as part of the frame picture follow the corner area they lie in; objects
// with pictures of their own are laid out in a row in the buttons rectangle (else the
// caption rectangle), close first, from the right or, with ButtonsInLeft, from the left;
// the caption object gives way to the row and to the system-menu button.
void LayoutObjects(
    std::span<TvnLayoutObject> objects, const TvnSkinFormInfo& info, QSize picture, QSize frame);

} // namespace veneer

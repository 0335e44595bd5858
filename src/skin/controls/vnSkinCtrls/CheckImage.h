#pragma once
// Which check image a check or radio box shows for a state, as a pure function of the
// record's rectangles (with their fallbacks applied).
#include <QRect>

class TvnDataSkinCheckRadioControl;

namespace vnctrls {

struct TvnCheckImages {
    QRect Check, Uncheck, ActiveCheck, ActiveUncheck, UnenabledCheck, UnenabledUncheck, Grayed, ActiveGrayed;
};

// The record's rectangles; empty hot and disabled ones fall back on the plain ones.
TvnCheckImages CheckImages(const TvnDataSkinCheckRadioControl& record);

struct TvnCheckImageChoice {
    QRect Rect; // in the skin picture
    bool Lighten = false; // drawn lightened half-way to white (grayed without a grayed image)
    friend bool operator==(const TvnCheckImageChoice&, const TvnCheckImageChoice&) = default;
};

TvnCheckImageChoice ChooseCheckImage(
    const TvnCheckImages& images, bool enabled, bool mouseIn, bool checked, bool grayed);

} // namespace vnctrls

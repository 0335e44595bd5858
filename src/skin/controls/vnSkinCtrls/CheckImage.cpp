#include "CheckImage.h"

#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnUtils/SkinRect.h"

namespace vnctrls {

using vnutils::RectEmpty;

TvnCheckImages CheckImages(const TvnDataSkinCheckRadioControl& r)
{
    TvnCheckImages i;
    i.Check = r.CheckImageRect;
    i.Uncheck = r.UncheckImageRect;
    i.ActiveCheck = RectEmpty(r.ActiveCheckImageRect) ? r.CheckImageRect : r.ActiveCheckImageRect;
    i.ActiveUncheck = RectEmpty(r.ActiveUncheckImageRect) ? r.UncheckImageRect : r.ActiveUncheckImageRect;
    i.UnenabledCheck = RectEmpty(r.UnenabledCheckImageRect) ? r.CheckImageRect : r.UnenabledCheckImageRect;
    i.UnenabledUncheck
        = RectEmpty(r.UnenabledUncheckImageRect) ? r.UncheckImageRect : r.UnenabledUncheckImageRect;
    i.Grayed = r.GrayedCheckImageRect;
    i.ActiveGrayed = r.ActiveGrayedCheckImageRect;
    return i;
}

TvnCheckImageChoice ChooseCheckImage(
    const TvnCheckImages& i, bool enabled, bool mouseIn, bool checked, bool grayed)
{
    const bool hot = enabled && mouseIn;
    if (grayed) {
        // Without a grayed image, the check image of the state drawn lighter.
        if (RectEmpty(i.Grayed)) return { !enabled ? i.UnenabledCheck : hot ? i.ActiveCheck : i.Check, true };
        return { hot && !RectEmpty(i.ActiveGrayed) ? i.ActiveGrayed : i.Grayed, false };
    }
    if (!enabled) return { checked ? i.UnenabledCheck : i.UnenabledUncheck, false };
    if (hot) return { checked ? i.ActiveCheck : i.ActiveUncheck, false };
    return { checked ? i.Check : i.Uncheck, false };
}

} // namespace vnctrls

#pragma once
// The enumerations and sets the frame publishes, in one namespace so that declared data
// can name their values ("BorderIcons = [biMinimize]").
#include <QFlags>
#include <QObject>

namespace veneer {
Q_NAMESPACE

// The frame's own border icons (the form's are switched off while the frame draws).
enum TvnBorderIcon {
    biSystemMenu = 0x1,
    biMinimize = 0x2,
    biMaximize = 0x4,
    biRollUp = 0x8,
    biMinimizeToTray = 0x10,
};
Q_DECLARE_FLAGS(TvnBorderIcons, TvnBorderIcon)
Q_FLAG_NS(TvnBorderIcons)

// What covers the client area while the form is inactive.
enum TvnClientInActiveEffect { vnieSemiTransparent, vnieBlur };
Q_ENUM_NS(TvnClientInActiveEffect)

// Where the form is placed when it is first shown.
enum TvnPositionInMonitor { vnpDefault, vnpScreenCenter, vnpDesktopCenter };
Q_ENUM_NS(TvnPositionInMonitor)

} // namespace veneer

Q_DECLARE_OPERATORS_FOR_FLAGS(veneer::TvnBorderIcons)

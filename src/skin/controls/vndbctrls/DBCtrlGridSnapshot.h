#pragma once
// What one paint of a control grid draws from, decided once at its start: the layout,
// which panel is live and how many hold a record, the panel's face and the colours of
// the strips beside the panels. The draw routines read nothing else of the grid's state
// (the rows themselves come through the data link, one panel at a time).
#include "DBCtrlGridGeometry.h"

#include <QColor>
#include <QImage>

namespace vndb {

struct TvnCtrlGridSnapshot {
    TvnGridLayout Layout;
    QSize Size;
    int CurrentPanel = 0;
    int FilledPanels = 0;
    bool LinkActive = false;
    // The live panel shows the focus rectangle.
    bool FocusRect = false;
    // The panel's own look at its size, without controls.
    QImage Face;
    // Below the panels: the grid's colour; right of them: the skin panel's client colour.
    QColor BottomStrip;
    QColor RightStrip;
    // The focus rectangle is drawn to show on this colour.
    unsigned FocusFace = 0;

    bool LiveShown() const { return FilledPanels > 0; }
};

} // namespace vndb

#pragma once
// What one paint of a panel draws from, taken once after the record is looked up
// (TvnSkinPanel::TakeSnapshot): the look, the record, the frame and caption settings,
// the caption, the colours the look uses (the store's or the system's) and the pictures
// it draws over. The look routines (PanelPaint.cpp) read nothing else of the panel.
#include "PanelCaption.h"
#include "SkinGeometry.h"

#include <QColor>
#include <QImage>

class TvnDataSkinPanelControl;

namespace vnctrls {

// The panel's looks, each drawn by one routine.
enum class TvnPanelLook {
    Default, // no record: system colours, into one picture
    Transparent, // the parent's background under a group line, into one picture
    Composed, // the record's face and caption, into one picture
    FrameApart, // frame strips (caption on the top one) and middle straight on the screen
    ClientTile, // no frame and no caption: the client tile over the whole panel
    BackgroundPicture, // the store's picture over the face colour
};

struct TvnPanelSnapshot {
    const TvnDataSkinPanelControl* Record = nullptr; // null: the default look
    int RecordIndex = -1;
    QSize Size;
    TvnPanelLook Look = TvnPanelLook::Default;
    TvnSkinBorderStyle BorderStyle = bvFrame;
    bool CaptionMode = false;
    // Whether the look draws a caption; Caption is taken only then.
    bool DrawsCaption = false;
    TvnPanelCaption Caption;
    // The caption text's colour, and the marks' (check mark, roll-up arrow).
    QColor CaptionColor, MarkColor;
    QColor Face, Shadow, Highlight;
    // Transparent: what the parent shows under the panel; BackgroundPicture: the store's
    // picture. Null otherwise.
    QImage Background;
    // The record's geometry at the present size: the control's kept geometry, read only
    // during this paint.
    const TvnControlGeometry* Geometry = nullptr;
    TvnCurrentGeometry Current;
    bool FrameDrawnApart = false; // the force-background flag of DrawPlainSkin
};

} // namespace vnctrls

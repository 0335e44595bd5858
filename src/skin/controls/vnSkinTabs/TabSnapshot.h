#pragma once
// What one paint of the skinned page control draws from, decided once at the start of
// the paint: the record (looked up once), the geometry of page, frame, strip and tabs,
// and each tab's state and face. The draw routines read nothing else of the control.
#include "SkinTabGeometry.h"
#include "framework/comctrls/PageControl.h"
#include "platform/Colors.h"
#include "skin/data/vnUtils/GlyphLayout.h"

#include <QColor>
#include <QFont>
#include <QImage>

class TvnDataSkinTabControl;
class TImageList;

namespace vntabs {

enum class TvnCloseState { None, Normal, Hot, Pressed };

struct TvnTabItem {
    int Index = -1;
    QRect Rect; // as drawn: the active tab grown towards the page
    QString Caption;
    QImage Image; // the tab's image from Images, or null
    bool Active = false;
    bool Hot = false;
    QRect FaceSource; // the record's face for the tab's state
    int FaceExtra = 0; // how much taller than a plain tab the face is
    QColor TextColor;
    TvnCloseState Close = TvnCloseState::None;
};

struct TvnTabsSnapshot {
    const TvnDataSkinTabControl* Record = nullptr; // null: the default look
    int RecordIndex = -1;
    QImage Picture;
    QSize Size;
    TTabPosition Position = tpTop;
    QRect Page;
    QRect Body;
    QRect Strip;
    QList<TvnTabItem> Tabs; // the active tab last
    bool Focused = false;
    bool Enabled = true;
    QFont Font;
    // Counts the control's font changes: the kept look knows the font by it, not by its
    // description written out at every paint.
    quint64 FontGeneration = 0;
    // Faces are stretched across to the tab height (a TabHeight of its own).
    bool StretchAcross = false;
    int RowHeight = 20;
    bool TabsBGTransparent = false;
    bool TextInHorizontal = false;
    bool Extended = false;
    int Margin = -1;
    int Spacing = 1;
    TvnButtonLayout Layout = vnbutton::blGlyphLeft;
    QSize CloseButton; // empty without close buttons
    // The record's focus rectangle on the active tab of a focused control.
    bool ShowFocus = false;
    QPoint FocusOffset;
    TColor FocusFace = 0;
    // The skin's button face, under the frame.
    TColor Background = 0;
    // What the parent shows behind the tab strip, for a strip that lets it through.
    QImage ParentStrip;
    // Inactive tabs are lower than the active one: their content moves towards the page.
    bool ShiftInactive = false;
};

} // namespace vntabs

#pragma once
// The store-wide sections of the skin description that describe more than one window:
// the skin colours ([SKINCOLORS]), the popup menu window ([POPUPWINDOW]) and the hint
// window ([HINTWINDOW]). Each reads and writes its fixed section through its key table
// (SkinSections.cpp), where the defaults stand.
#include "GeometryKeys.h"
#include "SkinFieldBlocks.h"

// Eight colours; without a skin (and after ClearSkin) they are the system colours.
class TvnSkinColors {
public:
    TvnSkinColors();
    void Reset();
    void LoadFromIni(const TMemIniFile& ini);
    void SaveToIni(TMemIniFile& ini) const;
    static TvnKeyTable<TvnSkinColors> Keys();

    TColor cBtnFace {};
    TColor cBtnText {};
    TColor cWindow {};
    TColor cWindowText {};
    TColor cHighlight {};
    TColor cHighlightText {};
    TColor cBtnHighlight {};
    TColor cBtnShadow {};
};

// The frame of popup menus: a window picture cut into nine parts.
class TvnDataSkinPopupWindow {
public:
    TvnDataSkinPopupWindow();
    void LoadFromIni(const TMemIniFile& ini);
    void SaveToIni(TMemIniFile& ini) const;
    static TvnKeyTable<TvnDataSkinPopupWindow> Keys();

    int WindowPictureIndex {};
    int MaskPictureIndex {};
    // The window picture's geometry; its client rectangle is the area of the menu items,
    // key "itemsrect".
    TvnSkinGeometry Geometry;
    TColor ScrollMarkerColor {};
    TColor ScrollMarkerActiveColor {};
};

// The hint window: a window picture cut into nine parts and the font of the hint text.
class TvnDataSkinHintWindow : public TvnSkinFont {
public:
    // Before any skin is read the font is "Arial" at height 12; a skin that names no
    // height gets 14.
    TvnDataSkinHintWindow();
    void LoadFromIni(const TMemIniFile& ini);
    void SaveToIni(TMemIniFile& ini) const;
    static TvnKeyTable<TvnDataSkinHintWindow> Keys();

    int WindowPictureIndex {};
    int MaskPictureIndex {};
    TvnSkinGeometry Geometry;
};

#pragma once
// The window frame's description ([FORMINFO]): how MainPicture is cut into the nine
// parts of a frame, where the caption, caption buttons and client area lie, and how the
// sizing border and the window shape are found. The store carries these fields itself.
#include "GeometryKeys.h"

struct TvnSkinFormInfo {
    TvnSkinFormInfo();

    // Reads the section and applies the corrections that make a hand-written skin
    // consistent; `hasMask` tells whether the skin names a mask picture.
    void LoadFormInfo(const TMemIniFile& ini, bool hasMask);
    void SaveFormInfo(TMemIniFile& ini) const;
    static TvnKeyTable<TvnSkinFormInfo> Keys();

    // How MainPicture is cut into the nine parts of the frame, and whether each border
    // part and the client background are stretched or tiled.
    TvnSkinGeometry Geometry;
    int BGPictureIndex {};
    int MDIBGPictureIndex {};
    bool MDIBGStretchEffect {};
    TvnStretchType MDIBGStretchType {};
    // The area of MainMask that carries the window shape.
    QRect MaskRectArea;
    // Corner points for the sizing hit test.
    TvnCornerPoints HitTest;
    QRect ButtonsRect;
    QRect CaptionRect;
    int ButtonsOffset {};
    bool ButtonsInLeft {};
    bool MainMenuPopupUp {};
    int BorderWidth {};
    int FormMinWidth {};
    bool MDITabsTransparent {};
    bool MainMenuBarTransparent {};
    // Build the inactive frame by an effect instead of InactiveMainPicture.
    bool AutoRenderingInactiveImage {};
    TvnInactiveEffect InactiveEffect {};
};

#pragma once
// Skinned window frames drawn as the frame component draws them: border strips from the
// main picture, caption and caption buttons laid out for the size, the inactive effect,
// the client background and the window's shape from the mask.
#include "SkinPaint.h"
#include "skin/form/Veneerform/ObjectLayout.h"

#include <functional>

namespace sheet {

struct TFrameLook {
    QSize Size;
    bool Active = true;
    QString Caption;
    veneer::TvnBorderIcons Icons
        = veneer::biSystemMenu | veneer::biMinimize | veneer::biMaximize | veneer::biRollUp;
    // Draws the window's content into its client area (painter in frame coordinates).
    std::function<void(QPainter&, const QRect&)> Content;
};

// The frame with transparent pixels outside the window's shape.
QImage RenderFrame(const TvnSkinData& skin, const TFrameLook& look);

} // namespace sheet

#pragma once
// TvnSkinCustomControl: the base of the drawn controls (buttons, check boxes, panels,
// scroll bars). It adds the default look's font and size, copies the record's geometry,
// and applies the record's resize rules whenever the control is sized:
//
//   resize mode  Fixed       the skin rectangle's size, whatever is asked
//                Both        any size; corners kept, edges and middle stretched or tiled
//                Horizontal  any width, the skin's height
//                Vertical    any height, the skin's width
//
// Its window takes the shape of the record's mask picture. Controls with the
// force-background flag (panels) draw their frame as four strips and fill the middle
// straight on the screen instead of through a picture of their whole size.
#include "CustomSkinParts.h"
#include "FaceCache.h"
#include "SkinControl.h"
#include "framework/Font.h"
#include "skin/data/vnUtils/FrameStrips.h"

#include <functional>

class TvnSkinCustomControl : public TvnSkinControl, public TvnSkinSizing {
    Q_OBJECT
    TVN_SKIN_SIZING_PROPERTIES
public:
    explicit TvnSkinCustomControl(QObject* owner = nullptr);

    void SetBounds(int left, int top, int width, int height) override;
    void Paint(QPainter& painter) override;
    void ReadSkinRecord() override;
    void SkinChanged() override;

    // Composed faces kept between paints (FaceCache.h); dropped on every skin change.
    int CachedFaceCount() const { return m_faces.Count() + m_strips.Count(); }

    // Sets the window's shape from the mask picture, or removes it.
    virtual void UpdateShapeRegion();

protected:
    void DrawUnskinned(QImage& bitmap) override;
    void DrawSkinned(QImage& bitmap) override;
    // Tells every child control that its background changed.
    void NotifyChildrenBackground();
    // The frame as four strips and the client tile over the middle, straight onto
    // `painter`; `drawTop` draws into a copy of the kept top strip (the base: DrawSkinned).
    void PaintBackground(QPainter& painter, const std::function<void(QImage&)>& drawTop);
    // The client tile over the middle: stretched, or tiled from a kept row of tiles.
    void PaintMiddle(QPainter& painter, const QImage& picture);

    void SetForceBackground(bool force) { m_forceBackground = force; }
    bool ForceBackground() const { return m_forceBackground; }
    void SetDrawBackground(bool draw) { m_drawBackground = draw; }
    // Whether painting goes through PaintBackground.
    bool PaintsBackgroundApart() const;

    vnctrls::TvnFaceCache<QImage> m_faces;
    // The frame strips of force-background controls, before any caption is drawn.
    vnctrls::TvnFaceCache<vnutils::TvnFrameStrips> m_strips;
    // Their tiled middle's one row of tiles across the client rectangle.
    vnctrls::TvnFaceCache<QImage, vnctrls::TvnFaceKey, 1> m_middleRow;

private:
    bool m_forceBackground = false;
    bool m_drawBackground = true;
};

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
#include "FaceCache.h"
#include "SkinControl.h"
#include "SkinGeometry.h"
#include "framework/Font.h"
#include "skin/data/vnUtils/FrameStrips.h"

class TvnSkinCustomControl : public TvnSkinControl {
    Q_OBJECT
    Q_PROPERTY(TFont* DefaultFont READ DefaultFont)
    Q_PROPERTY(int DefaultWidth READ DefaultWidth WRITE SetDefaultWidth)
    Q_PROPERTY(int DefaultHeight READ DefaultHeight WRITE SetDefaultHeight)
    Q_PROPERTY(bool UseSkinFont READ UseSkinFont WRITE SetUseSkinFont)
public:
    explicit TvnSkinCustomControl(QObject* owner = nullptr);

    // The font of the default look (and of the skinned one when UseSkinFont is off).
    TFont* DefaultFont() const { return m_defaultFont; }
    // Sizes applied while there is no record (values above 0 only).
    int DefaultWidth() const { return m_defaultWidth; }
    void SetDefaultWidth(int width);
    int DefaultHeight() const { return m_defaultHeight; }
    void SetDefaultHeight(int height);
    bool UseSkinFont() const { return m_useSkinFont; }
    void SetUseSkinFont(bool use) { m_useSkinFont = use; }

    vnctrls::TvnResizeMode ResizeMode() const { return m_geometry.ResizeMode; }
    const vnctrls::TvnControlGeometry& Geometry() const { return m_geometry; }
    // The geometry at the present size (corner points and client rectangle).
    const vnctrls::TvnCurrentGeometry& CurrentGeometry() const { return m_current; }

    void SetBounds(int left, int top, int width, int height) override;
    void Paint(QPainter& painter) override;
    void ReadSkinRecord() override;
    void SkinChanged() override;
    void PrepareSkinChange() override;

    // Composed faces kept between paints (FaceCache.h); dropped on every skin change.
    int CachedFaceCount() const { return m_faces.Count() + m_strips.Count(); }
    void SetFaceCacheEnabled(bool enabled);

    // Corrects a requested size by the resize mode and sets the current geometry for it.
    virtual void AdjustSizeToSkin(int& width, int& height);
    // Sets the window's shape from the mask picture, or removes it.
    virtual void UpdateShapeRegion();

protected:
    void DrawUnskinned(QImage& bitmap) override;
    void DrawSkinned(QImage& bitmap) override;
    virtual void DefaultFontChanged() { }

    // The default look's Qt font.
    QFont DefaultQFont() const { return m_defaultFont->ToQFont(); }
    // Tells every child control that its background changed.
    void NotifyChildrenBackground();
    // The frame as four strips (DrawSkinned draws into the top one) and the client tile
    // over the middle, straight onto `painter`.
    void PaintBackground(QPainter& painter);

    void SetForceBackground(bool force) { m_forceBackground = force; }
    bool ForceBackground() const { return m_forceBackground; }
    void SetDrawBackground(bool draw) { m_drawBackground = draw; }
    // Whether painting goes through PaintBackground.
    bool PaintsBackgroundApart() const;

    vnctrls::TvnControlGeometry m_geometry;
    vnctrls::TvnCurrentGeometry m_current;
    vnctrls::TvnFaceCache<QImage> m_faces;
    // The frame strips of force-background controls, before any caption is drawn.
    vnctrls::TvnFaceCache<vnutils::TvnFrameStrips> m_strips;

private:
    TFont* m_defaultFont;
    int m_defaultWidth = 0;
    int m_defaultHeight = 0;
    bool m_useSkinFont = true;
    bool m_forceBackground = false;
    bool m_drawBackground = true;
};

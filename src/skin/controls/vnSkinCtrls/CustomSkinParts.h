#pragma once
// What both custom skin-control families (windowed TvnSkinCustomControl and window-less
// TvnGraphicSkinCustomControl) share: the default look's font and size, the record's
// geometry and the sizing by its resize rules. Each family owns one TvnSkinSizing beside
// its binding and publishes its values with TVN_SKIN_SIZING_PROPERTIES.
#include "SkinBinding.h"
#include "SkinGeometry.h"

#include <QFont>

class TControl;
class TFont;

namespace vnctrls {

// The default look's font: "Arial", height 14, owned by `owner`.
TFont* NewDefaultFont(QObject* owner);

// Corrects a requested size by the record's resize mode and sets `current` to the
// geometry at the result. Without a record, or in mode None, the request stands.
void ApplySkinSize(
    bool hasRecord, const TvnControlGeometry& geometry, TvnCurrentGeometry& current, int& width, int& height);

} // namespace vnctrls

#define TVN_SKIN_SIZING_PROPERTIES                                                                           \
    Q_PROPERTY(TFont* DefaultFont READ DefaultFont)                                                          \
    Q_PROPERTY(int DefaultWidth READ DefaultWidth WRITE SetDefaultWidth)                                     \
    Q_PROPERTY(int DefaultHeight READ DefaultHeight WRITE SetDefaultHeight)                                  \
    Q_PROPERTY(bool UseSkinFont READ UseSkinFont WRITE SetUseSkinFont)

class TvnSkinSizing {
public:
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

    // Corrects a requested size by the resize mode and sets the current geometry for it.
    virtual void AdjustSizeToSkin(int& width, int& height);

protected:
    // `control` is the control itself, `bound` its binding; both outlive this piece.
    TvnSkinSizing(TControl& control, TvnSkinBoundControl& bound);
    ~TvnSkinSizing() = default;

    virtual void DefaultFontChanged() { }
    // The default look's Qt font.
    QFont DefaultQFont() const;

    // After the record is looked up: copies its geometry and sets the current one for
    // the present size (a size the skin does not allow is corrected at the next
    // SetBounds). Both are kept while the record's index was not searched again and the
    // size stays, so a paint costs two comparisons.
    void ReadGeometry();
    // The next ReadGeometry reads the record again: the skin changed, or a property the
    // sizing rules depend on.
    void ForgetGeometry() { m_geometryResolution = 0; }
    // Before SetBounds: looks the record up and corrects a new size to the skin. True
    // when the size changes under a record.
    bool FitRequestedSize(int& width, int& height);
    // The size a skin change asks for: the default size without a record, the present
    // one corrected to the skin with one.
    QSize SizeForSkin();

    vnctrls::TvnControlGeometry m_geometry;
    vnctrls::TvnCurrentGeometry m_current;

private:
    TControl& m_control;
    TvnSkinBoundControl& m_bound;
    TFont* m_defaultFont;
    int m_defaultWidth = 0;
    int m_defaultHeight = 0;
    bool m_useSkinFont = true;
    // What the kept geometry was read for: the binding's Resolution (0: nothing kept)
    // and the size.
    quint64 m_geometryResolution = 0;
    QSize m_geometrySize;
};

#pragma once
// The window-less skinned controls' bases (speed buttons and the like): the same record
// lookup, buffered painting, sizing rules and default look as the windowed family, but
// no window shape and no background of their own for children.
#include "SkinControl.h"
#include "SkinGeometry.h"
#include "framework/Font.h"

class TvnGraphicSkinControl : public TControl, public TvnSkinBoundControl {
    Q_OBJECT
    TVN_SKIN_BINDING_PROPERTIES
public:
    explicit TvnGraphicSkinControl(QObject* owner = nullptr);

    bool Windowless() const override { return true; }

    virtual void Paint(QPainter& painter);
    void SkinChanged() override;

    void WndProc(TMessage& message) override;

protected:
    virtual void DrawUnskinned(QImage& bitmap) { Q_UNUSED(bitmap); }
    virtual void DrawSkinned(QImage& bitmap) { Q_UNUSED(bitmap); }
    void paintEvent(QPaintEvent* event) override;
};

class TvnGraphicSkinCustomControl : public TvnGraphicSkinControl {
    Q_OBJECT
    Q_PROPERTY(TFont* DefaultFont READ DefaultFont)
    Q_PROPERTY(int DefaultWidth READ DefaultWidth WRITE SetDefaultWidth)
    Q_PROPERTY(int DefaultHeight READ DefaultHeight WRITE SetDefaultHeight)
    Q_PROPERTY(bool UseSkinFont READ UseSkinFont WRITE SetUseSkinFont)
public:
    explicit TvnGraphicSkinCustomControl(QObject* owner = nullptr);

    TFont* DefaultFont() const { return m_defaultFont; }
    int DefaultWidth() const { return m_defaultWidth; }
    void SetDefaultWidth(int width);
    int DefaultHeight() const { return m_defaultHeight; }
    void SetDefaultHeight(int height);
    bool UseSkinFont() const { return m_useSkinFont; }
    void SetUseSkinFont(bool use) { m_useSkinFont = use; }

    vnctrls::TvnResizeMode ResizeMode() const { return m_geometry.ResizeMode; }
    const vnctrls::TvnCurrentGeometry& CurrentGeometry() const { return m_current; }

    void SetBounds(int left, int top, int width, int height) override;
    void ReadSkinRecord() override;
    void SkinChanged() override;
    virtual void AdjustSizeToSkin(int& width, int& height);

protected:
    void DrawUnskinned(QImage& bitmap) override;
    void DrawSkinned(QImage& bitmap) override;
    virtual void DefaultFontChanged() { }

    vnctrls::TvnControlGeometry m_geometry;
    vnctrls::TvnCurrentGeometry m_current;

private:
    TFont* m_defaultFont;
    int m_defaultWidth = 0;
    int m_defaultHeight = 0;
    bool m_useSkinFont = true;
};

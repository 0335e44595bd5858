#pragma once
// The window-less skinned controls' bases (speed buttons and the like): the same binding,
// buffered look, sizing rules and default look as the windowed family (SkinControl.h,
// CustomSkinParts.h), but no window shape and no background of their own for children.
#include "CustomSkinParts.h"
#include "SkinControl.h"
#include "framework/Font.h"

class TvnGraphicSkinControl : public TControl, public TvnSkinBoundControl, public TvnSkinLook {
    Q_OBJECT
    TVN_SKIN_BINDING_PROPERTIES
public:
    explicit TvnGraphicSkinControl(QObject* owner = nullptr);

    bool Windowless() const override { return true; }

    virtual void Paint(QPainter& painter);
    void SkinChanged() override;

    void WndProc(TMessage& message) override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TvnGraphicSkinCustomControl : public TvnGraphicSkinControl, public TvnSkinSizing {
    Q_OBJECT
    TVN_SKIN_SIZING_PROPERTIES
public:
    explicit TvnGraphicSkinCustomControl(QObject* owner = nullptr);

    void SetBounds(int left, int top, int width, int height) override;
    void ReadSkinRecord() override;
    void SkinChanged() override;

protected:
    void DrawUnskinned(QImage& bitmap) override;
    void DrawSkinned(QImage& bitmap) override;
};

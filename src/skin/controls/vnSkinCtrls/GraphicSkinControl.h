#pragma once
// The window-less skinned controls' bases (speed buttons and the like): the same record
// lookup, buffered painting, sizing rules and default look as the windowed family, but
// no window shape and no background of their own for children.
#include "SkinControl.h"
#include "SkinGeometry.h"
#include "framework/Font.h"

class TvnGraphicSkinControl : public TControl, public TvnSkinBound {
    Q_OBJECT
    Q_PROPERTY(TvnSkinData* SkinData READ SkinData WRITE SetSkinData)
    Q_PROPERTY(QString SkinDataName READ SkinDataName WRITE SetSkinDataName)
    Q_PROPERTY(QString HintTitle READ HintTitle WRITE SetHintTitle)
    Q_PROPERTY(int HintImageIndex READ HintImageIndex WRITE SetHintImageIndex)
    Q_PROPERTY(TImageList* HintImageList READ HintImageList WRITE SetHintImageList)
    Q_PROPERTY(TNotifyEvent OnMouseEnter MEMBER OnMouseEnter)
    Q_PROPERTY(TNotifyEvent OnMouseLeave MEMBER OnMouseLeave)
public:
    explicit TvnGraphicSkinControl(QObject* owner = nullptr);

    // The same binding and published values as TvnSkinControl.
    const TvnSkinBinding& Skin() const { return m_skin; }
    TvnSkinData* SkinData() const { return m_skin.Store(); }
    void SetSkinData(TvnSkinData* store);
    QString SkinDataName() const { return m_skin.Name(); }
    void SetSkinDataName(const QString& name) { m_skin.SetName(name); }
    int SkinRecordIndex() const { return m_skin.RecordIndex(); }
    QString HintTitle() const { return m_skin.HintTitle; }
    void SetHintTitle(const QString& title) { m_skin.HintTitle = title; }
    int HintImageIndex() const { return m_skin.HintImageIndex; }
    void SetHintImageIndex(int index) { m_skin.HintImageIndex = index; }
    TImageList* HintImageList() const { return m_skin.HintImageList; }
    void SetHintImageList(TImageList* list) { m_skin.HintImageList = list; }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    bool Windowless() const override { return true; }

    virtual void Paint(QPainter& painter);
    virtual void ReadSkinRecord() { m_skin.LookUp(); }
    void SkinChanged() override;
    void PrepareSkinChange() override { m_skin.Drop(); }

    void WndProc(TMessage& message) override;

protected:
    virtual void DrawUnskinned(QImage& bitmap) { Q_UNUSED(bitmap); }
    virtual void DrawSkinned(QImage& bitmap) { Q_UNUSED(bitmap); }
    void paintEvent(QPaintEvent* event) override;

private:
    TvnSkinBinding m_skin;
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

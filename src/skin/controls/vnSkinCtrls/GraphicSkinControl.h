#pragma once
// The window-less skinned controls' bases (speed buttons and the like): the same record
// lookup, buffered painting, sizing rules and default look as the windowed family, but
// no window shape and no background of their own for children.
#include "SkinControl.h"
#include "SkinGeometry.h"
#include "framework/Font.h"

class TvnGraphicSkinControl : public TControl {
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

    TvnSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TvnSkinData* store);
    QString SkinDataName() const { return m_skinDataName; }
    void SetSkinDataName(const QString& name) { m_skinDataName = name; }
    int SkinRecordIndex() const { return m_skinRecordIndex; }
    QString HintTitle() const { return m_hintTitle; }
    void SetHintTitle(const QString& title) { m_hintTitle = title; }
    int HintImageIndex() const { return m_hintImageIndex; }
    void SetHintImageIndex(int index) { m_hintImageIndex = index; }
    TImageList* HintImageList() const { return m_hintImageList; }
    void SetHintImageList(TImageList* list) { m_hintImageList = list; }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    bool Windowless() const override { return true; }

    virtual void Paint(QPainter& painter);
    virtual void ReadSkinRecord();
    virtual void SkinChanged();
    virtual void PrepareSkinChange() { m_skinRecordIndex = -1; }

    void WndProc(TMessage& message) override;

protected:
    virtual void DrawUnskinned(QImage& bitmap) { Q_UNUSED(bitmap); }
    virtual void DrawSkinned(QImage& bitmap) { Q_UNUSED(bitmap); }
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<TvnSkinData> m_skinData;
    QString m_skinDataName;
    int m_skinRecordIndex = -1;
    QString m_hintTitle;
    int m_hintImageIndex = 0;
    QPointer<TImageList> m_hintImageList;
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

    vnctrls::TvnSkinGeometry m_geometry;
    vnctrls::TvnCurrentGeometry m_current;

private:
    TFont* m_defaultFont;
    int m_defaultWidth = 0;
    int m_defaultHeight = 0;
    bool m_useSkinFont = true;
};

#pragma once
// TvnSkinPanel: the skinned container. Its frame comes from the record as four strips
// and its middle is tiled (or stretched) straight on the screen, so children are never
// covered by a copy of the panel. It can show a caption bar with a check box that
// enables its children and an arrow that rolls the panel up to its caption, or show its
// parent's background instead of its own (TransparentMode).
//
// TvnSkinGroupBox is the same panel with the "groupbox" record and the caption on.
#include "PanelCaption.h"
#include "PanelSnapshot.h"
#include "SkinCtrlTypes.h"
#include "SkinCustomControl.h"

#include <QList>

class TvnSkinPanel : public TvnSkinCustomControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool CaptionMode READ CaptionMode WRITE SetCaptionMode)
    Q_PROPERTY(int DefaultCaptionHeight READ DefaultCaptionHeight WRITE SetDefaultCaptionHeight)
    Q_PROPERTY(fw::TAlignment DefaultAlignment READ DefaultAlignment WRITE SetDefaultAlignment)
    Q_PROPERTY(vnskin::TvnSkinBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool TransparentMode READ TransparentMode WRITE SetTransparentMode)
    Q_PROPERTY(vnskin::TvnImagePosition ImagePosition READ ImagePosition WRITE SetImagePosition)
    Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(TImageList* CaptionImageList READ CaptionImageList WRITE SetCaptionImageList)
    Q_PROPERTY(int CaptionImageIndex READ CaptionImageIndex WRITE SetCaptionImageIndex)
    Q_PROPERTY(bool CheckedMode READ CheckedMode WRITE SetCheckedMode)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool AutoEnabledControls READ AutoEnabledControls WRITE SetAutoEnabledControls)
    Q_PROPERTY(bool RollUpMode READ RollUpMode WRITE SetRollUpMode)
    Q_PROPERTY(bool RollUpState READ RollUpState WRITE SetRollUpState)
    Q_PROPERTY(int RealHeight READ RealHeight WRITE SetRealHeight)
    Q_PROPERTY(TNotifyEvent OnChecked MEMBER OnChecked)
    Q_PROPERTY(TNotifyEvent OnChangeRollUpState MEMBER OnChangeRollUpState)
public:
    explicit TvnSkinPanel(QObject* owner = nullptr);

    bool CaptionMode() const { return m_captionMode; }
    void SetCaptionMode(bool mode);
    int DefaultCaptionHeight() const { return m_defaultCaptionHeight; }
    void SetDefaultCaptionHeight(int height);
    TAlignment DefaultAlignment() const { return m_defaultAlignment; }
    void SetDefaultAlignment(TAlignment alignment);
    TvnSkinBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TvnSkinBorderStyle style);
    bool TransparentMode() const { return m_transparentMode; }
    void SetTransparentMode(bool transparent);
    TvnImagePosition ImagePosition() const { return m_imagePosition; }
    void SetImagePosition(TvnImagePosition position);
    QImage Glyph() const { return m_glyph; }
    void SetGlyph(const QImage& glyph);
    // Pictures side by side in Glyph; the second is the disabled one.
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int count);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);
    TImageList* CaptionImageList() const { return m_captionImageList; }
    void SetCaptionImageList(TImageList* list);
    int CaptionImageIndex() const { return m_captionImageIndex; }
    void SetCaptionImageIndex(int index);

    bool CheckedMode() const { return m_checkedMode; }
    void SetCheckedMode(bool mode);
    // Raises OnChecked on every change, whatever the mode; only in checked mode (with
    // AutoEnabledControls) does it enable or disable the children.
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    bool AutoEnabledControls() const { return m_autoEnabledControls; }
    void SetAutoEnabledControls(bool automatic) { m_autoEnabledControls = automatic; }

    bool RollUpMode() const { return m_rollUpMode; }
    void SetRollUpMode(bool mode);
    // Rolled up, the panel is as high as its caption and its children are hidden; the
    // height before and the size limits come back when it unrolls.
    bool RollUpState() const { return m_rollUpState; }
    void SetRollUpState(bool rolledUp);
    // The height before rolling up; -1 while unrolled.
    int RealHeight() const { return m_realHeight; }
    void SetRealHeight(int height) { m_realHeight = height; }

    TNotifyEvent OnChecked;
    TNotifyEvent OnChangeRollUpState;

    void SetBounds(int left, int top, int width, int height) override;
    void SkinChanged() override;
    void Paint(QPainter& painter) override;
    void AdjustClientRect(QRect& rect) override;

    // Where a click toggles the check box and the roll-up state, in control coordinates.
    QRect CaptionHitRect();

protected:
    void ParentBackgroundChanged() override;
    void CaptionChanged() override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Everything one paint draws from (PanelPaint.cpp), after ReadSkinRecord.
    vnctrls::TvnPanelSnapshot TakeSnapshot() const;
    vnctrls::TvnPanelLook ChooseLook(const TvnDataSkinPanelControl* record) const;
    // The caption as the present look sees it, read once per paint or click test; the
    // record is the panel's own, null without one.
    vnctrls::TvnPanelCaption TakeCaption(const TvnDataSkinPanelControl* record) const;
    // The transparent look's caption colour: the skin's label colour, found once per skin.
    QColor LineTextColor() const;

    void RepaintAndRealign();
    void SetChildrenVisible(bool visible);

    bool m_captionMode = false;
    int m_defaultCaptionHeight = 22;
    TAlignment m_defaultAlignment = taLeftJustify;
    TvnSkinBorderStyle m_borderStyle = bvFrame;
    bool m_transparentMode = false;
    TvnImagePosition m_imagePosition = vnipDefault;
    QImage m_glyph;
    int m_numGlyphs = 1;
    int m_spacing = 2;
    QPointer<TImageList> m_captionImageList;
    int m_captionImageIndex = -1;
    bool m_checkedMode = false;
    bool m_checked = false;
    bool m_autoEnabledControls = true;
    bool m_rollUpMode = false;
    bool m_rollUpState = false;
    int m_realHeight = -1;
    // Size limits while rolled up are cleared; these come back on unrolling.
    QSize m_savedMinimum;
    QSize m_savedMaximum;
    bool m_limitsSaved = false;
    // The children rolling up hid, shown again on unrolling.
    QList<QPointer<QWidget>> m_hiddenChildren;
    // With the binding's Resolution it was found at: a skin loaded again without telling
    // the panel is searched again.
    mutable vnctrls::TvnKeptValue<std::pair<quint64, QColor>> m_lineTextColor;
};

class TvnSkinGroupBox : public TvnSkinPanel {
    Q_OBJECT
public:
    explicit TvnSkinGroupBox(QObject* owner = nullptr);
};

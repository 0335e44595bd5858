#pragma once
// TvnSkinCheckRadioBox: one control for check boxes and radio buttons, with its check
// images from the record ("checkbox" or "radiobox"). Flat, it is transparent over its
// parent and shows only the check image and the caption; framed, it draws the record's
// whole face, takes the skin's size and cross-fades to its hot face.
//
// Every change of the checked state raises OnClick (a radio box only when it becomes
// checked); boxes of one parent with the same non-zero GroupIndex uncheck each other.
#include "CheckImage.h"
#include "CheckRadioSnapshot.h"
#include "Fader.h"
#include "SkinCtrlTypes.h"
#include "SkinCustomControl.h"

class TvnSkinCheckRadioBox : public TvnSkinCustomControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(vnskin::TCheckBoxState State READ State WRITE SetState)
    Q_PROPERTY(bool AllowGrayed READ AllowGrayed WRITE SetAllowGrayed)
    Q_PROPERTY(bool Radio READ Radio WRITE SetRadio)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(TImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(bool UseSkinFontColor READ UseSkinFontColor WRITE SetUseSkinFontColor)
    Q_PROPERTY(bool CanFocused READ CanFocused WRITE SetCanFocused)
    Q_PROPERTY(TNotifyEvent OnClick MEMBER OnClick)
public:
    explicit TvnSkinCheckRadioBox(QObject* owner = nullptr);

    bool Checked() const { return m_checked; }
    // A grayed box set to unchecked stays grayed.
    void SetChecked(bool checked);
    TCheckBoxState State() const { return m_state; }
    void SetState(TCheckBoxState state);
    // A mouse click on an unchecked box makes it grayed first.
    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool allow);
    bool Radio() const { return m_radio; }
    void SetRadio(bool radio);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index) { m_groupIndex = index; }
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wrap);
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    bool UseSkinFontColor() const { return m_useSkinFontColor; }
    void SetUseSkinFontColor(bool use);
    bool CanFocused() const { return m_canFocused; }
    void SetCanFocused(bool can);

    TNotifyEvent OnClick;

    // What a click, the space key or the accelerator does: a check box inverts Checked,
    // a radio box only checks.
    void Toggle();
    bool MouseIn() const { return m_mouseIn; }
    double MorphFactor() const { return m_fader.Factor(); }

    void AdjustSizeToSkin(int& width, int& height) override;
    void UpdateShapeRegion() override;
    void SkinChanged() override;
    void WndProc(TMessage& message) override;

protected:
    void DrawSkinned(QImage& bitmap) override;
    void DrawUnskinned(QImage& bitmap) override;
    void ParentBackgroundChanged() override;
    void EnabledChanged() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    static constexpr WPARAM kMorphTimer = 1;

    bool FocusableAndFocused() const { return m_canFocused && hasFocus(); }
    bool CrossFadeEnabled() const;
    void Refresh();
    bool TakeFocusForPress();

    // Painting (CheckRadioPaint.cpp): each paint takes one snapshot of the record and the
    // state, then draws from the snapshot alone.
    vnctrls::TvnCheckRadioSnapshot TakeSnapshot() const;
    QImage ComposeFramed(const vnctrls::TvnCheckRadioSnapshot& s, bool hot);
    QImage ComposeLook(const vnctrls::TvnCheckRadioSnapshot& s);

    bool m_checked = false;
    TCheckBoxState m_state = cbUnchecked;
    bool m_allowGrayed = false;
    bool m_radio = false;
    int m_groupIndex = 0;
    bool m_flat = true;
    bool m_wordWrap = false;
    QPointer<TImageList> m_images;
    int m_imageIndex = 0;
    bool m_useSkinFontColor = true;
    bool m_canFocused = true;
    bool m_mouseIn = false;
    bool m_clicksDisabled = false;
    vnctrls::TvnFader m_fader;
    // Whole framed looks (face, check image and caption) beside the faces of m_faces.
    vnctrls::TvnFaceCache<QImage, vnctrls::TvnCheckRadioLookKey> m_looks;
};

#pragma once
// TvnSkinButton: the skinned push button. Each state (normal, hot, pressed, focused,
// disabled) has its own face in the record; the button cross-fades between the normal
// and hot faces, can play a frame animation and show a glow window around itself, and
// behaves as a dialog button (default, cancel, modal result, accelerator), a repeating
// button, or one of a group of sticky buttons.
//
// Painting: Button.cpp holds the properties and the dialog behaviour, ButtonInput.cpp
// the mouse, keys, focus and timers, ButtonPaint.cpp the looks and ButtonGlow.cpp the
// glow window. The face rules themselves are pure functions in ButtonFace.h.
#include "ButtonFace.h"
#include "ButtonSnapshot.h"
#include "Fader.h"
#include "SkinCustomControl.h"
#include "skin/data/vnUtils/GlyphLayout.h"
#include "skin/data/vnUtils/LayerWindow.h"

// (sender, canvas, draw the default glyph and caption, hot, pressed, client rectangle)
using TvnButtonPaintEvent = TEvent<QObject*, QPainter*, bool&, bool, bool, QRect>;
Q_DECLARE_METATYPE(TvnButtonPaintEvent)

class TvnSkinButton : public TvnSkinCustomControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(TImageList* ImageList READ ImageList WRITE SetImageList)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(vnbutton::TvnButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(bool UseSkinSize READ UseSkinSize WRITE SetUseSkinSize)
    Q_PROPERTY(bool UseSkinFontColor READ UseSkinFontColor WRITE SetUseSkinFontColor)
    Q_PROPERTY(bool AlwaysShowLayeredFrame READ AlwaysShowLayeredFrame WRITE SetAlwaysShowLayeredFrame)
    Q_PROPERTY(bool RepeatMode READ RepeatMode WRITE SetRepeatMode)
    Q_PROPERTY(int RepeatInterval READ RepeatInterval WRITE SetRepeatInterval)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
    Q_PROPERTY(bool CanFocused READ CanFocused WRITE SetCanFocused)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(TNotifyEvent OnClick MEMBER OnClick)
    Q_PROPERTY(TvnButtonPaintEvent OnPaint MEMBER OnPaint)
public:
    // The glow window's messages, posted to the button itself.
    static constexpr UINT kShowGlow = msg::WM_USER + 400;
    static constexpr UINT kHideGlow = msg::WM_USER + 401;
    // The first repeat comes after this delay, the next ones after RepeatInterval.
    static constexpr int kRepeatDelay = 500;

    explicit TvnSkinButton(QObject* owner = nullptr);
    ~TvnSkinButton() override;

    QImage Glyph() const { return m_glyph; }
    void SetGlyph(const QImage& glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int count);
    TImageList* ImageList() const { return m_imageList; }
    void SetImageList(TImageList* list);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    TvnButtonLayout Layout() const { return m_layout; }
    void SetLayout(TvnButtonLayout layout);
    // -1 centres glyph and caption together; values below -1 are ignored.
    int Margin() const { return m_margin; }
    void SetMargin(int margin);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);
    bool UseSkinSize() const { return m_useSkinSize; }
    void SetUseSkinSize(bool use);
    bool UseSkinFontColor() const { return m_useSkinFontColor; }
    void SetUseSkinFontColor(bool use);
    bool AlwaysShowLayeredFrame() const { return m_alwaysShowLayeredFrame; }
    void SetAlwaysShowLayeredFrame(bool show) { m_alwaysShowLayeredFrame = show; }
    bool RepeatMode() const { return m_repeatMode; }
    void SetRepeatMode(bool repeat) { m_repeatMode = repeat; }
    int RepeatInterval() const { return m_repeatInterval; }
    void SetRepeatInterval(int ms) { m_repeatInterval = ms; }
    bool Down() const { return m_down; }
    void SetDown(bool down);
    // A button with a group index stays down when clicked; the group keeps one down.
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index);
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool allow) { m_allowAllUp = allow; }
    // Whether the button takes the keyboard focus (TabStop follows).
    bool CanFocused() const { return m_canFocused; }
    void SetCanFocused(bool can);
    bool Default() const { return m_default; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool cancel) { m_cancel = cancel; }
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }

    TNotifyEvent OnClick;
    TvnButtonPaintEvent OnPaint;

    // The dialog's current default button (the one Enter presses).
    bool Active() const { return m_active; }
    double MorphFactor() const { return m_fader.Factor(); }
    bool MouseIn() const { return m_mouseIn; }
    // The state the face rules see now.
    vnctrls::TvnButtonState State() const;
    // The glow window shown now, or none.
    TvnLayerWindow* GlowWindow() const { return m_glow->LayerWindow(); }

    // The modal result to the form, then OnClick.
    virtual void Click();

    // Paints the whole look from the look cache: composed once per face, state, glyph and
    // caption.
    void Paint(QPainter& painter) override;
    void AdjustSizeToSkin(int& width, int& height) override;
    void UpdateShapeRegion() override;
    void SkinChanged() override;
    void PrepareSkinChange() override;
    void WndProc(TMessage& message) override;

protected:
    void DrawSkinned(QImage& bitmap) override;
    void DrawUnskinned(QImage& bitmap) override;
    void EnabledChanged() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    enum TimerId : WPARAM { kMorphTimer = 1, kAnimateTimer = 2, kRepeatTimer = 3 };

    // Input (ButtonInput.cpp).
    void MouseEntered();
    void MouseLeft();
    void LeftButtonDown();
    bool TakeFocusForPress();
    bool FocusableAndFocused() const;
    bool CrossFadeEnabled() const;
    void StartFade();
    void StopFade();
    void StartAnimation(bool forwards);
    void StopAnimation();
    void StartRepeat();
    void StopRepeat();
    void OnTimer(WPARAM id);
    void FocusChanged(TControl* focused);
    bool DialogKey(int key, TShiftState shift);
    bool DialogChar(QChar ch);
    // Plain buttons change look on enter and leave unless focused and up; sticky ones
    // unless down.
    bool LookFollowsMouse() const;

    // Painting (ButtonPaint.cpp): each paint takes one snapshot of the record and the
    // state, then draws from the snapshot alone.
    vnctrls::TvnButtonSnapshot TakeSnapshot() const;
    // Glyph and caption into `item` as a face shows them (`record` null: the default look),
    // written in place: a snapshot takes them without a copy.
    void FillContent(vnutils::TvnGlyphCaption& item, const TvnDataSkinButtonControl* record, bool hot,
        bool pressed, const QColor& color, bool pressedShift) const;
    QImage GlyphPicture(bool hot, bool pressed) const;
    void DrawFace(QImage& bitmap, const vnctrls::TvnButtonSnapshot& s, const vnctrls::TvnFaceChoice& choice,
        const vnutils::TvnGlyphCaption& content);
    QImage ComposeLook(const vnctrls::TvnButtonSnapshot& s);
    QImage Look(const vnctrls::TvnButtonSnapshot& s);

    // Glow (ButtonGlow.cpp).
    void ShowGlow();
    void HideGlow();
    void HideGlowOnLeave();
    bool GlowAllowed() const;

    QImage m_glyph;
    int m_numGlyphs = 1;
    QPointer<TImageList> m_imageList;
    int m_imageIndex = -1;
    TvnButtonLayout m_layout = vnbutton::blGlyphLeft;
    int m_margin = -1;
    int m_spacing = 1;
    bool m_useSkinSize = true;
    bool m_useSkinFontColor = true;
    bool m_alwaysShowLayeredFrame = false;
    bool m_repeatMode = false;
    int m_repeatInterval = 100;
    bool m_down = false;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    bool m_canFocused = true;
    bool m_default = false;
    bool m_cancel = false;
    TModalResult m_modalResult = mrNone;

    bool m_mouseIn = false;
    bool m_mouseDown = false;
    bool m_active = false;
    bool m_allUpCheck = false;
    bool m_clicksDisabled = false;
    vnctrls::TvnFader m_fader;
    int m_frame = 0;
    int m_frameStep = 0; // +1 forwards, -1 backwards, 0 not running
    bool m_repeatStarted = false;
    TvnLayerManager* m_glow;
    // Whole looks (face, focus rectangle, glyph and caption) beside the faces of m_faces.
    vnctrls::TvnFaceCache<QImage, vnctrls::TvnButtonLookKey> m_looks;
};

#pragma once
// TvnVeneerform: the component that takes a form's whole frame over. Dropped on a form
// (its owner), it puts its own window procedure in front of the form's, makes the window
// frameless, answers WM_NCCALCSIZE from the skin's client rectangle, paints the borders,
// caption and caption buttons from the skin's pictures (or a plain three-pixel frame of
// its own without a skin), cuts the window to the skin's mask, paints the client
// background and relays the skin notifications to the form's controls.
//
// The work is split by concern: the message table (FrameMessages.cpp), geometry and
// region (FrameRegion.cpp), painting (FramePaint.cpp), the frame objects
// (FrameObjectList.h) under the mouse (FrameMouse.cpp), the system menu
// (FrameSystemMenu.cpp), the objects' hints (FrameHints.cpp) and glow (FrameGlow.cpp),
// the tray (FrameTray.cpp) and the inactive client panel (ClientInActivePanel.h). Geometry is
// computed by the pure functions of FrameGeometry.h and ObjectLayout.h, which painting
// and hit testing both call.
#include "FrameGeometry.h"
#include "FrameHitTest.h"
#include "FrameObjectList.h"
#include "FrameObjectPaint.h"
#include "FrameTypes.h"
#include "SkinHint.h"
#include "SystemMenu.h"
#include "WindowStates.h"
#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/Font.h"
#include "framework/Form.h"
#include "framework/MessageTarget.h"
#include "framework/comctrls/StatusBar.h"
#include "platform/Messages.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/data/vnUtils/FrameStrips.h"
#include "skin/data/vnUtils/LayerWindow.h"
#include "skin/menus/vnSkinMenus/MenuEngine.h"
#include "skin/menus/vnSkinMenus/SkinPopupMenu.h"
#include "skin/tray/TrayIcon.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <memory>
#include <optional>

class QPainter;
class QTimer;

namespace veneer {

class TvnClientInActivePanel;
class TvnMoveSizeLoop;
class TvnSkinHintWindow;

// Published properties follow. A skinned menu bar (MainMenuBar, OnMainMenuEnter/Exit)
// and an MDI tabs bar (MDITabsBar, OnAcceptToMDITabsBar) are left out on purpose: no
// window of the product has a menu bar or MDI children, and nothing says how such bars
// look or behave. What reaches the frame without them is built: SC_KEYMENU closes the
// skin menus, and the short cuts a menu bar would take go to the form's own handler.
class TvnVeneerform : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool ClientInActiveEffect MEMBER m_clientInActiveEffect)
    Q_PROPERTY(veneer::TvnClientInActiveEffect ClientInActiveEffectType MEMBER m_clientInActiveEffectType)
    Q_PROPERTY(bool DisableSystemMenu MEMBER m_disableSystemMenu)
    Q_PROPERTY(bool AlwaysResize MEMBER m_alwaysResize)
    Q_PROPERTY(veneer::TvnPositionInMonitor PositionInMonitor MEMBER m_positionInMonitor)
    Q_PROPERTY(TStatusBar* StatusBar READ StatusBar WRITE SetStatusBar)
    Q_PROPERTY(bool UseFormCursorInNCArea MEMBER m_useFormCursorInNCArea)
    Q_PROPERTY(int MaxMenuItemsInWindow MEMBER m_maxMenuItemsInWindow)
    Q_PROPERTY(int ClientWidth MEMBER m_clientWidth)
    Q_PROPERTY(int ClientHeight MEMBER m_clientHeight)
    Q_PROPERTY(bool HideCaptionButtons MEMBER m_hideCaptionButtons)
    Q_PROPERTY(bool AlwaysShowInTray MEMBER m_alwaysShowInTray)
    Q_PROPERTY(QImage LogoBitMap READ LogoBitMap WRITE SetLogoBitMap)
    Q_PROPERTY(bool LogoBitMapTransparent MEMBER m_logoBitMapTransparent)
    Q_PROPERTY(bool AlwaysMinimizeToTray MEMBER m_alwaysMinimizeToTray)
    Q_PROPERTY(bool UseSkinFontInMenu MEMBER m_useSkinFontInMenu)
    Q_PROPERTY(bool ShowIcon READ ShowIcon WRITE SetShowIcon)
    Q_PROPERTY(bool MaximizeOnFullScreen MEMBER m_maximizeOnFullScreen)
    Q_PROPERTY(bool AlphaBlend READ AlphaBlend WRITE SetAlphaBlend)
    Q_PROPERTY(bool AlphaBlendAnimation MEMBER m_alphaBlendAnimation)
    Q_PROPERTY(int AlphaBlendValue READ AlphaBlendValue WRITE SetAlphaBlendValue)
    Q_PROPERTY(veneer::TvnSkinHint* SkinHint READ SkinHint WRITE SetSkinHint)
    Q_PROPERTY(bool ShowObjectHint MEMBER m_showObjectHint)
    Q_PROPERTY(bool UseDefaultObjectHint MEMBER m_useDefaultObjectHint)
    Q_PROPERTY(bool MenusAlphaBlend MEMBER m_menusAlphaBlend)
    Q_PROPERTY(bool MenusAlphaBlendAnimation MEMBER m_menusAlphaBlendAnimation)
    Q_PROPERTY(int MenusAlphaBlendValue MEMBER m_menusAlphaBlendValue)
    Q_PROPERTY(TFont* DefCaptionFont READ DefCaptionFont)
    Q_PROPERTY(TFont* DefInActiveCaptionFont READ DefInActiveCaptionFont)
    Q_PROPERTY(int DefMenuItemHeight READ DefMenuItemHeight WRITE SetDefMenuItemHeight)
    Q_PROPERTY(TFont* DefMenuItemFont READ DefMenuItemFont)
    Q_PROPERTY(TvnTrayIcon* TrayIcon READ TrayIcon WRITE SetTrayIcon)
    Q_PROPERTY(bool UseDefaultSysMenu MEMBER m_useDefaultSysMenu)
    Q_PROPERTY(TvnSkinPopupMenu* SystemMenu READ SystemMenu WRITE SetSystemMenu)
    Q_PROPERTY(TvnSkinData* SkinData READ SkinData WRITE SetSkinData)
    Q_PROPERTY(TvnSkinData* MenusSkinData READ MenusSkinData WRITE SetMenusSkinData)
    Q_PROPERTY(int MinHeight MEMBER m_minHeight)
    Q_PROPERTY(int MinWidth MEMBER m_minWidth)
    Q_PROPERTY(int MaxHeight MEMBER m_maxHeight)
    Q_PROPERTY(int MaxWidth MEMBER m_maxWidth)
    Q_PROPERTY(bool Magnetic MEMBER m_magnetic)
    Q_PROPERTY(int MagneticSize MEMBER m_magneticSize)
    Q_PROPERTY(veneer::TvnBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons)
    Q_PROPERTY(TvnCaptionPaintEvent OnCaptionPaint MEMBER OnCaptionPaint)
    Q_PROPERTY(TNotifyEvent OnChangeSkinData MEMBER OnChangeSkinData)
    Q_PROPERTY(TNotifyEvent OnBeforeChangeSkinData MEMBER OnBeforeChangeSkinData)
    Q_PROPERTY(TNotifyEvent OnAfterChangeSkinData MEMBER OnAfterChangeSkinData)
    Q_PROPERTY(TNotifyEvent OnActivate MEMBER OnActivate)
    Q_PROPERTY(TNotifyEvent OnDeActivate MEMBER OnDeActivate)
    Q_PROPERTY(TNotifyEvent OnMinimize MEMBER OnMinimize)
    Q_PROPERTY(TNotifyEvent OnRestore MEMBER OnRestore)
    Q_PROPERTY(TNotifyEvent OnMaximize MEMBER OnMaximize)
    Q_PROPERTY(TNotifyEvent OnChangeRollUpState MEMBER OnChangeRollUpState)
    Q_PROPERTY(TNotifyEvent OnSkinMenuOpen MEMBER OnSkinMenuOpen)
    Q_PROPERTY(TNotifyEvent OnSkinMenuClose MEMBER OnSkinMenuClose)
    Q_PROPERTY(TNotifyEvent OnMinimizeToTray MEMBER OnMinimizeToTray)
    Q_PROPERTY(TNotifyEvent OnRestoreFromTray MEMBER OnRestoreFromTray)
    Q_PROPERTY(veneer::TvnObjectEvent OnMouseEnterEvent MEMBER OnMouseEnterEvent)
    Q_PROPERTY(veneer::TvnObjectEvent OnMouseLeaveEvent MEMBER OnMouseLeaveEvent)
    Q_PROPERTY(veneer::TvnObjectMouseEvent OnMouseDownEvent MEMBER OnMouseDownEvent)
    Q_PROPERTY(veneer::TvnObjectMouseEvent OnMouseUpEvent MEMBER OnMouseUpEvent)
    Q_PROPERTY(veneer::TvnObjectMouseMoveEvent OnMouseMoveEvent MEMBER OnMouseMoveEvent)
    Q_PROPERTY(veneer::TvnObjectPaintEvent OnPaintEvent MEMBER OnPaintEvent)
    Q_PROPERTY(veneer::TvnActivateCustomObjectEvent OnActivateCustomObject MEMBER OnActivateCustomObject)
    Q_PROPERTY(TShortCutEvent OnShortCut MEMBER OnShortCut)
public:
    // The owner must be a form; any other owner is refused with the framework's
    // invalid-cast error.
    explicit TvnVeneerform(QObject* owner);
    ~TvnVeneerform() override;

    TForm* Form() const { return m_form; }

    // --- Published properties with setters -------------------------------------------
    TvnSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TvnSkinData* store);
    TvnSkinData* MenusSkinData() const { return m_menusSkinData; }
    void SetMenusSkinData(TvnSkinData* store);
    TvnBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TvnBorderIcons icons);
    bool ShowIcon() const { return m_showIcon; }
    void SetShowIcon(bool show);
    QImage LogoBitMap() const { return m_logo; }
    void SetLogoBitMap(const QImage& logo);
    TFont* DefCaptionFont() const { return m_defCaptionFont; }
    TFont* DefInActiveCaptionFont() const { return m_defInActiveCaptionFont; }
    TFont* DefMenuItemFont() const { return m_defMenuItemFont; }
    int DefMenuItemHeight() const { return m_defMenuItemHeight; }
    void SetDefMenuItemHeight(int height);
    bool AlphaBlend() const { return m_alphaBlend; }
    void SetAlphaBlend(bool on);
    int AlphaBlendValue() const { return m_alphaBlendValue; }
    void SetAlphaBlendValue(int value);
    TvnTrayIcon* TrayIcon() const { return m_trayIcon; }
    // The icon gets the frame's tray menu when it has no menu, and the way back on its
    // double click when it has no handler; it stays out of the tray unless
    // AlwaysShowInTray.
    void SetTrayIcon(TvnTrayIcon* icon);
    // Extra items of the system menu (with UseDefaultSysMenu the frame's own items are
    // merged into them at every opening).
    TvnSkinPopupMenu* SystemMenu() const { return m_systemMenu; }
    void SetSystemMenu(TvnSkinPopupMenu* menu);
    // The form's status bar: its size grip goes while the frame is maximized and comes
    // back on restore.
    TStatusBar* StatusBar() const { return m_statusBar; }
    void SetStatusBar(TStatusBar* bar);
    // The hint component the objects' hints show through (with ShowObjectHint); without
    // one no object hint shows.
    TvnSkinHint* SkinHint() const { return m_skinHint; }
    void SetSkinHint(TvnSkinHint* hint);

    // --- State -------------------------------------------------------------------------
    bool Skinnable() const { return m_skinnable; }
    // A skin store is attached and holds a skin.
    bool SkinPresent() const { return m_skinPresent; }
    bool IsFrameActive() const { return m_active; }
    int FrameWidth() const { return m_frameWidth; }
    int FrameHeight() const { return m_frameHeight; }
    // The skin's geometry at the present frame size (meaningful with SkinPresent).
    const TvnFrameGeometry& Geometry() const { return m_geometry; }
    // The window region set on the form, if any.
    const std::optional<QRegion>& FrameRegion() const { return m_frameRegion; }
    const TvnFrameObjectList& Objects() const { return m_objects; }
    TvnFrameObjectList& Objects() { return m_objects; }
    // The client panel shown while the form is inactive, if any.
    TvnClientInActivePanel* InActivePanel() const { return m_inActivePanel; }

    // The effective size limits: the skin's and the form's smallest frame, the
    // monitor's work area (its full rectangle with MaximizeOnFullScreen) as the largest.
    int GetMinWidth() const;
    int GetMinHeight() const;
    // Whether the frame's present size is at least the smallest: below it the frame is
    // neither reshaped nor painted.
    bool FrameAtLeastMinimum() const
    {
        return m_frameWidth >= GetMinWidth() && m_frameHeight >= GetMinHeight();
    }
    int GetMaxWidth() const;
    int GetMaxHeight() const;
    // The largest frame size: the work area (or the monitor), within MaxWidth/MaxHeight.
    QSize MaxSize() const;
    bool IsResizable() const;

    // --- Window states ------------------------------------------------------------------
    TvnWindowState FrameWindowState() const { return m_windowState; }
    // Maximizes, minimizes or restores the form: by its bounds, or through the window
    // manager where one runs (it maximizes, and restores the size it had before); the
    // application's main form minimizes the whole application instead and stays
    // wsNormal. The window manager's own maximize and restore (its keys, its tiling, a
    // task bar) reach the frame's state the same way.
    void SetFrameWindowState(TvnWindowState state);
    bool RollUpState() const { return m_rollUpState; }
    void SetRollUpState(bool rolledUp);
    // The bounds to go back to from maximized or minimized; empty when saved none.
    QRect NormalBounds() const { return m_normalBounds; }
    // The work area and the full rectangle of the form's monitor.
    QRect WorkArea() const;
    QRect MonitorRect() const;
    // The move and size loop of the form (running while the form is dragged).
    TvnMoveSizeLoop* MoveSizeLoop() const { return m_moveSize.get(); }
    bool InMoveSize() const { return m_inMoveSize; }

    // To the tray and back (FrameTray.cpp). The form leaves the screen and the task bar
    // and the tray icon shows; where the desktop has no tray the form minimizes as
    // usual instead, since a hidden form could not be brought back. Nothing happens
    // without a TrayIcon.
    void MinimizeFormToTray();
    void RestoreFromTray();
    // Whether the form waits in the tray.
    bool InTray() const { return m_inTray; }
    // The tray menu the frame gives its tray icon: "&Restore", a separator, "&Close".
    TvnSkinPopupMenu* TrayMenu() const { return m_trayMenu; }

    // --- Frame objects and the mouse ----------------------------------------------------
    // The object the mouse is over (-1: none), and the one holding the capture.
    int ActiveObject() const { return m_activeObject; }
    int CaptureObject() const { return m_captureObject; }
    // Finds the object under `point` (frame coordinates) and makes it the active one
    // when `activate`; the object left gets MouseLeave, the new one MouseEnter.
    void MouseTest(QPoint point, bool activate);
    // Every object leaves the mouse.
    void LeaveAllObjects();
    // Draws one object again, and asks the window to repaint only its place.
    void RepaintObject(int index);
    // Runs a caption button's command.
    void RunCommand(TvnSkinCommand command);
    // The caption's double click: restore, maximize or roll up, as the state allows.
    void CaptionDoubleClick();
    bool MouseTimerRunning() const;
    // The system menu at a rectangle of the screen (below it): the default items for
    // the present state, through the skinned menu engine.
    void ShowSystemMenu(const QRect& screenRect);
    // The system menu under the system-menu button (or the animated system-menu
    // object), else below the caption's left end: Alt+Space.
    void ShowSystemMenuFromKeyboard();
    // Closes the frame's open skin menu, if any.
    void CloseSkinMenus();
    // The menu a button object (or an animated object of no command) opens on its left
    // press, below it or, with `above`, above it; kept by the object's skin name across
    // skin changes. A button whose menu is open stays down until the menu closes.
    void SetButtonMenu(const QString& idName, TvnSkinPopupMenu* menu, bool above = false);
    // The object whose menu is open (its system menu or its button menu), or -1.
    int MenuObject() const { return m_menuObject; }
    std::vector<TvnSystemMenuEntry> SystemMenuEntries() const;
    // The items the system menu opens with: the default ones, or the application's
    // SystemMenu (with the default ones merged in under UseDefaultSysMenu).
    vnmenus::TvnMenuItems SystemMenuItems();
    vnmenus::TvnMenuEngine* MenuEngine() const { return m_menuEngine.get(); }
    // The hint an object shows: the fixed text of its command (from the store's resource
    // strings) with UseDefaultObjectHint, else the skin's own, the restore hint while
    // the command is in its restored state.
    QString ObjectHint(int index) const;
    // The window showing object hints (the SkinHint's, once it has shown one), and
    // hiding it.
    TvnSkinHintWindow* HintWindow() const { return m_skinHint ? m_skinHint->HintWindow() : nullptr; }
    void HideObjectHint();
    // The glow layer a caption button shows while the pointer is over it, and the one a
    // button that opens a menu shows, kept while its menu is open.
    TvnLayerManager* GlowLayer() const { return m_glowLayer; }
    TvnLayerManager* MenuGlowLayer() const { return m_menuGlowLayer; }
    // The timers the frame runs on its form (window-message timers).
    static constexpr WPARAM kFadeTimer = 1;
    static constexpr WPARAM kMouseTimer = 2;
    static constexpr WPARAM kMorphTimer = 3;
    static constexpr WPARAM kAnimateTimer = 4;
    static constexpr int kMouseInterval = 50;
    static constexpr int kMorphInterval = 25;
    static constexpr int kAnimateInterval = 25;

    // --- Work the message table and the objects call ----------------------------------
    void ApplySkin();
    void UpdateFrameGeometry();
    void UpdateFrameRegion(bool composition = true);
    // The rebuild of geometry, objects and region after a size change, and its repaint.
    void RebuildAfterSize();
    // Asks the form to repaint its frame (never the client area).
    void RepaintFrame();
    // Paints the frame (with a skin) or the default frame into `painter`, whose origin is
    // the window's top-left corner. Nothing while a skin change is under way.
    void PaintFrame(QPainter& painter);
    void PaintDefaultFrame(QPainter& painter);
    // The client background (WM_ERASEBKGND) in client coordinates, and the logo on it.
    void PaintClientBackground(QPainter& painter);
    // The caption text area of the default frame (frame coordinates) with the default
    // caption buttons where the last paint placed them for the present size; creates
    // and moves nothing, so a hit test may ask it.
    QRect DefaultCaptionTextArea() const;
    // The default caption buttons, created on the first default paint, placed for the
    // present size; returns the caption text area they leave.
    QRect LayoutDefaultObjects();
    bool ToolWindowStyle() const;

    // --- Events -------------------------------------------------------------------------
    TvnCaptionPaintEvent OnCaptionPaint;
    TNotifyEvent OnChangeSkinData;
    TNotifyEvent OnBeforeChangeSkinData;
    TNotifyEvent OnAfterChangeSkinData;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeActivate;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TNotifyEvent OnMaximize;
    TNotifyEvent OnChangeRollUpState;
    TNotifyEvent OnMinimizeToTray;
    TNotifyEvent OnRestoreFromTray;
    TNotifyEvent OnSkinMenuOpen;
    TNotifyEvent OnSkinMenuClose;
    TvnObjectEvent OnMouseEnterEvent;
    TvnObjectEvent OnMouseLeaveEvent;
    TvnObjectMouseEvent OnMouseDownEvent;
    TvnObjectMouseEvent OnMouseUpEvent;
    TvnObjectMouseMoveEvent OnMouseMoveEvent;
    TvnObjectPaintEvent OnPaintEvent;
    TvnActivateCustomObjectEvent OnActivateCustomObject;
    // Sees the form's short cuts first: a key it handles goes no further.
    TShortCutEvent OnShortCut;

protected:
    void Notification(QObject* component, TOperation operation) override;
    // Settings read while loading (the caption buttons) apply once the whole declaration
    // is read: the store may have been set before them.
    void Loaded() override;

private:
    // The frame's window procedure: the message table, then the form's saved procedure.
    void FrameWndProc(TMessage& message);
    void CallForm(TMessage& message) { m_formProc(message); }
    // The frame's hook on the form's short cuts: the component's OnShortCut, then
    // Alt+Space for the system menu, then the form's own handler.
    void FormShortCut(int key, TShiftState shift, bool& handled);
    TShortCutEvent m_formShortCut;
    // One handler per row of the table; each returns true when it consumed the message.
    bool OnSize(TMessage& m);
    bool OnActivateMessage(TMessage& m);
    bool OnSetText(TMessage& m);
    bool OnEraseBackground(TMessage& m);
    bool OnNcCalcSize(TMessage& m);
    bool OnNcHitTest(TMessage& m);
    bool OnNcPaint(TMessage& m);
    bool OnNcActivate(TMessage& m);
    bool OnSysCommand(TMessage& m);
    bool OnBeforeChange(TMessage& m);
    bool OnChange(TMessage& m);
    bool OnAfterChange(TMessage& m);
    bool OnSkinnableChange(TMessage& m);
    bool OnCloseMenus(TMessage& m);
    bool OnPaintIntoContext(TMessage& m);
    bool OnQuerySkinned(TMessage& m);
    bool OnNcMouseMove(TMessage& m);
    bool OnNcLButtonDown(TMessage& m);
    bool OnNcButtonUp(TMessage& m);
    bool OnNcLButtonDblClk(TMessage& m);
    bool OnNcRButtonDown(TMessage& m);
    bool OnTimer(TMessage& m);
    bool OnGetMinMaxInfo(TMessage& m);
    bool OnEnterSizeMove(TMessage& m);
    bool OnExitSizeMove(TMessage& m);
    bool OnMoving(TMessage& m);
    bool OnSizing(TMessage& m);
    bool OnShowWindow(TMessage& m);
    bool OnDisplayChange(TMessage& m);
    // The hit code of a point in frame coordinates.
    LRESULT HitTest(QPoint point);
    TvnFrameHitState HitState() const;

    // The objects' own behaviour (FrameMouse.cpp).
    void ObjectEnter(int i);
    void ObjectLeave(int i);
    // Every object but the caption back to its normal look, no object under the mouse or
    // capturing it; with `releasePresses` pressed objects are let go too.
    void ResetObjectMouseStates(bool releasePresses);
    void ObjectDown(int i, TMouseButton button);
    void ObjectUp(int i, TMouseButton button);
    void ObjectDoubleClick(int i);
    // A pressed object goes up: its down look ends, an animated object runs again.
    void LetGo(int i);
    void PressObject(TMouseButton button);
    void ReleaseObject(QPoint point, TMouseButton button);
    void StartChange(int i);
    bool MorphEnabled(int i) const;
    bool InObject(int i, QPoint local) const;
    void MouseTimerTick();
    void MorphTimerTick();
    // The caption animation (FrameAnimation.cpp): whether object `i` is an animated
    // caption, its start on an activation change, and one step of its timer.
    bool CaptionAnimated(int i) const;
    void StartCaptionAnimation(int i);
    void AnimateTimerTick();
    // Animated objects: their frames run one way (`forward`) on the animation timer;
    // those not in button style run on their own while the frame is active. A step
    // answers whether the object still has frames to go.
    void RunObjectAnimation(int i, bool forward);
    void StartObjectAnimations();
    bool StepObjectAnimation(int i);
    // The caption's look follows the frame's activation: the first caption object not yet
    // in the frame's state takes it, blending there (with `repaint`) or jumping; then
    // OnActivate or OnDeActivate.
    void SetCaptionsActive(bool repaint);
    QPoint FramePoint(LPARAM screenPoint) const;
    TvnObjectPaintContext PaintContext(bool drawNormal) const;
    // Whether the form counts as maximized or minimized for drawing and limits.
    bool FrameMaximized() const;
    bool FrameMinimized() const;

    // Window states (FrameStates.cpp).
    void Minimize();
    void Maximize();
    void Restore();
    void SetSizeGrip(bool on);
    // The window state the window manager gave the window (WM_SIZE's kind), taken as
    // the frame's.
    void FollowDesktopState(WPARAM sizeKind);
    // Gives the window manager the smallest size the form declares, so that its own
    // sizing (its keys, its border drags, its tiling) keeps the client layout usable; a
    // rolled-up or minimized form is a caption bar by design and gets no minimum.
    void GiveSizeLimits();
    void PlaceInMonitor();
    // The frame and the client area laid out again at the form's present size, as a
    // size change would (after a show, a skin change, a restore to the same size).
    void WidthNudge();
    // Tells the frame of every change of the monitors' sizes and work areas, as the
    // display-change message.
    void WatchDisplays();
    // One step of the fade-in, from its timer.
    void FadeStep();
    // The opacity AlphaBlend and AlphaBlendValue give a shown form, at once.
    void ApplyAlphaBlend();
    // The opacities (0..255) the fade-in has still to go through.
    std::vector<int> m_fadeSteps;
    QList<QPoint> MinimizedBarsTaken() const;
    bool MessageNamesOurStore(const TMessage& m) const;
    void RelayToControls(const TMessage& m);
    void SetSkinnable(bool skinnable);
    void TakeFrameSize();
    void BuildObjects();
    void StopTimers();
    void ShowInActivePanel(bool show);
    QSize PictureSize() const;
    TvnFrameLimits Limits() const;

    QPointer<TForm> m_form;
    TWndMethod m_formProc;
    QPointer<TvnSkinData> m_skinData;
    QPointer<TvnSkinData> m_menusSkinData;
    QPointer<TvnTrayIcon> m_trayIcon;
    QPointer<TvnSkinPopupMenu> m_systemMenu;
    TvnSkinPopupMenu* m_trayMenu = nullptr;
    bool m_inTray = false;
    // The tray menu's captions from the store's resource strings, else the built-in ones.
    void FillTrayMenu();

    // Published values, with the constructor's defaults.
    bool m_clientInActiveEffect = false;
    TvnClientInActiveEffect m_clientInActiveEffectType = vnieSemiTransparent;
    bool m_disableSystemMenu = false;
    bool m_alwaysResize = false;
    TvnPositionInMonitor m_positionInMonitor = vnpDefault;
    bool m_useFormCursorInNCArea = false;
    int m_maxMenuItemsInWindow = 0;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    bool m_hideCaptionButtons = false;
    bool m_alwaysShowInTray = false;
    QImage m_logo;
    bool m_logoBitMapTransparent = false;
    bool m_alwaysMinimizeToTray = false;
    bool m_useSkinFontInMenu = true;
    bool m_showIcon = false;
    bool m_maximizeOnFullScreen = false;
    bool m_alphaBlend = false;
    bool m_alphaBlendAnimation = false;
    int m_alphaBlendValue = 200;
    bool m_showObjectHint = false;
    bool m_useDefaultObjectHint = true;
    bool m_menusAlphaBlend = false;
    bool m_menusAlphaBlendAnimation = false;
    int m_menusAlphaBlendValue = 200;
    TFont* m_defCaptionFont;
    TFont* m_defInActiveCaptionFont;
    TFont* m_defMenuItemFont;
    int m_defMenuItemHeight = 20;
    bool m_useDefaultSysMenu = true;
    int m_minHeight = 0;
    int m_minWidth = 0;
    int m_maxHeight = 0;
    int m_maxWidth = 0;
    bool m_magnetic = false;
    int m_magneticSize = 5;
    TvnBorderIcons m_borderIcons = biSystemMenu | biMinimize | biMaximize | biRollUp;

    // Frame state.
    bool m_skinnable = true;
    bool m_skinPresent = false;
    bool m_skinChanging = false;
    bool m_active = false;
    bool m_inMoveSize = false;
    bool m_rollUpState = false;
    bool m_rollUpFromMaximized = false;
    bool m_rolledUpBeforeMaximize = false;
    int m_rollUpHeight = 0;
    TvnWindowState m_windowState = TvnWindowState::wsNormal;
    QRect m_normalBounds;
    // Maximized by the window manager, which restores the size itself.
    bool m_desktopMaximized = false;
    bool m_firstShow = true;
    TvnMagneticState m_magneticState;
    std::unique_ptr<TvnMoveSizeLoop> m_moveSize;
    std::unique_ptr<vnmenus::TvnMenuEngine> m_menuEngine;
    TvnLayerManager* m_glowLayer;
    TvnLayerManager* m_menuGlowLayer;
    // Whether object `i` opens a menu (the system menu or a button menu of its own), and
    // so glows on the menu's layer.
    bool OpensMenu(int i) const;
    TvnLayerManager* GlowLayerOf(int i) const;
    void ShowGlow(int index);
    void HideGlow(int index);
    void HideGlows();
    QPointer<TvnSkinHint> m_skinHint;
    void ShowObjectHint(const QString& text);
    QPointer<TStatusBar> m_statusBar;
    // A left press on the caption waits for the drag distance before the move starts,
    // so that a double click stays a double click.
    std::optional<QPoint> m_pendingDrag;
    int m_activeObject = -1;
    int m_captureObject = -1;
    // Where the last non-client mouse message put the pointer (frame coordinates).
    QPoint m_mousePoint;
    void ApplyObjectFlags();
    struct ButtonMenu {
        QPointer<TvnSkinPopupMenu> Menu;
        bool Above = false;
    };
    QHash<QString, ButtonMenu> m_buttonMenus;
    // The button menu of object `i`, when it is an object that opens one and has one.
    const ButtonMenu* ButtonMenuOf(int i) const;
    // Opens `items` from object `i` (the system menu or its button menu) through the
    // frame's menu engine.
    void PopupFromObject(int i, vnmenus::TvnMenuItems items, bool above);
    vnmenus::TvnMenuEngine& FrameMenuEngine();
    // The menu properties as the menu engine takes them.
    vnmenus::TvnMenuSettings MenuSettings() const;
    void OpenMenu(vnmenus::TvnMenuItems items, const QRect& screenRect, bool above);
    int m_menuObject = -1;
    // The system-menu button's size in the row of buttons: the small icon's with ShowIcon.
    void ApplyIconSize();
    // The form's icon (else the application's, else the desktop's generic one) at the
    // small-icon size, copied on first use and again when the icon changes.
    const QImage& SmallIcon() const;
    mutable QImage m_smallIcon;
    mutable qint64 m_smallIconKey = 0;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    TvnFrameGeometry m_geometry;
    // The mask cut like the frame, kept for the region and for hit tests on the shape.
    vnutils::TvnFrameStrips m_maskStrips;
    std::optional<QRegion> m_frameRegion;
    TvnFrameObjectList m_objects;
    TvnClientInActivePanel* m_inActivePanel = nullptr;
    // The composed border images of the last paint, reused while size, skin and active
    // state stay the same.
    struct PaintCache {
        bool Valid = false;
        QSize Size;
        bool Active = false;
        vnutils::TvnFrameStrips Strips;
        // The same images before the objects were drawn on them, for redrawing one.
        vnutils::TvnFrameStrips Base;
    } m_paintCache;
};

// Registers the frame's class and the constants its declared data name.
void RegisterSkinFormClasses();

} // namespace veneer

using veneer::TvnVeneerform;

#include "Veneerform.h"

#include "ClientInActivePanel.h"
#include "DefaultFrame.h"
#include "HintWindow.h"
#include "MoveSizeLoop.h"
#include "SystemMenu.h"
#include "framework/ClassRegistry.h"
#include "framework/Control.h"
#include "framework/Exception.h"
#include "framework/Form.h"
#include "framework/declared/DeclaredLoader.h"
#include "platform/Keys.h"

#include <QIcon>
#include <QStyle>

namespace veneer {

namespace {

void InitFont(TFont* font, TColor color)
{
    font->SetName(QStringLiteral("Arial"));
    font->SetHeight(14);
    font->SetStyle(fsBold);
    font->SetColor(color);
}

} // namespace

TvnVeneerform::TvnVeneerform(QObject* owner)
    : TComponent(owner)
    , m_defCaptionFont(new TFont(this))
    , m_defInActiveCaptionFont(new TFont(this))
    , m_defMenuItemFont(new TFont(this))
    , m_glowLayer(new TvnLayerManager(this))
    , m_menuGlowLayer(new TvnLayerManager(this))
{
    m_form = qobject_cast<TForm*>(owner);
    if (!m_form) throw Exception(QStringLiteral("Invalid class typecast"));
    InitFont(m_defCaptionFont, clr::clBtnText);
    InitFont(m_defInActiveCaptionFont, clr::clBtnShadow);
    m_defMenuItemFont->SetName(QStringLiteral("Arial"));
    m_defMenuItemFont->SetHeight(14);
    m_defMenuItemFont->SetColor(clr::clWindowText);
    m_trayMenu = new TvnSkinPopupMenu(this);
    FillTrayMenu();
    const auto repaintDefault = [this] {
        if (!IsLoading() && !m_skinPresent) RepaintFrame();
    };
    connect(m_defCaptionFont, &TFont::Changed, this, repaintDefault);
    connect(m_defInActiveCaptionFont, &TFont::Changed, this, repaintDefault);

    // The system's caption buttons never appear: the frame draws its own.
    m_form->SetBorderIcons({});
    m_formProc = m_form->WindowProc();
    m_form->SetWindowProc([this](TMessage& m) { FrameWndProc(m); });
    m_form->SetOwnFrame(true);
    m_active = m_form->isActiveWindow();
    m_moveSize = std::make_unique<TvnMoveSizeLoop>(m_form);
    // The frame shows the sizing arrows on the form itself: the client area keeps its
    // own pointer rather than inheriting them.
    if (!m_form->ClientWidget()->testAttribute(Qt::WA_SetCursor))
        m_form->ClientWidget()->setCursor(Qt::ArrowCursor);
    // The form's short cuts pass the frame first (FormShortCut).
    m_formShortCut = m_form->OnShortCut;
    m_form->OnShortCut
        = [this](int key, TShiftState shift, bool& handled) { FormShortCut(key, shift, handled); };
    WatchDisplays();
}

TvnVeneerform::~TvnVeneerform()
{
    StopTimers();
    // A form that goes while in the tray takes its way back out of the tray with it.
    if (m_trayIcon && m_inTray) {
        m_trayIcon->SetMinimizeToTray(false);
        if (!m_alwaysShowInTray) m_trayIcon->SetIconVisible(false);
    }
    m_moveSize.reset();
    m_menuEngine.reset();
    delete m_inActivePanel;
    if (m_form) {
        m_form->OnShortCut = m_formShortCut;
        m_form->SetWindowProc(m_formProc);
        m_form->clearMask();
        m_form->SetOwnFrame(false);
    }
}

void TvnVeneerform::FormShortCut(int key, TShiftState shift, bool& handled)
{
    events::Fire(OnShortCut, key, shift, handled);
    if (handled) return;
    // Alt+Space opens the system menu, as the system's own frame would: the key reaches
    // the frame as the keyboard's system command.
    if (key == vk::VK_SPACE && shift == TShiftState(ssAlt)) {
        m_form->Perform(msg::WM_SYSCOMMAND, msg::SC_KEYMENU, ' ');
        handled = true;
        return;
    }
    // The rest would go to a skinned menu bar's accelerators; there is none (see the
    // note where the properties are declared), so the form's own handler has them.
    events::Fire(m_formShortCut, key, shift, handled);
}

void TvnVeneerform::SetSkinData(TvnSkinData* store)
{
    m_skinData = store;
    if (store) {
        FreeNotification(store);
        m_skinnable = store->SkinnableForm();
    }
    ApplySkin();
}

void TvnVeneerform::SetMenusSkinData(TvnSkinData* store)
{
    m_menusSkinData = store;
    if (store) FreeNotification(store);
}

void TvnVeneerform::Notification(QObject* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == m_skinData) {
        m_skinData = nullptr;
        ApplySkin();
    }
    if (component == m_menusSkinData) m_menusSkinData = nullptr;
    if (component == m_trayIcon) m_trayIcon = nullptr;
    if (component == m_systemMenu) m_systemMenu = nullptr;
    if (component == m_skinHint) m_skinHint = nullptr;
    if (component == m_statusBar) m_statusBar = nullptr;
    for (auto it = m_buttonMenus.begin(); it != m_buttonMenus.end();)
        it = it->Menu == component || !it->Menu ? m_buttonMenus.erase(it) : std::next(it);
}

void TvnVeneerform::SetSystemMenu(TvnSkinPopupMenu* menu)
{
    m_systemMenu = menu;
    if (menu) FreeNotification(menu);
}

void TvnVeneerform::SetSkinHint(TvnSkinHint* hint)
{
    if (m_skinHint && m_skinHint != hint) m_skinHint->HideHint();
    m_skinHint = hint;
    if (hint) FreeNotification(hint);
}

void TvnVeneerform::SetStatusBar(TStatusBar* bar)
{
    m_statusBar = bar;
    if (!bar) return;
    FreeNotification(bar);
    // A bar given to a maximized frame has nothing to size.
    if (m_windowState == TvnWindowState::wsMaximized) bar->SetSizeGrip(false);
}

void TvnVeneerform::Loaded()
{
    TComponent::Loaded();
    ApplyObjectFlags();
    RepaintFrame();
}

void TvnVeneerform::SetBorderIcons(TvnBorderIcons icons)
{
    m_borderIcons = icons;
    if (IsLoading()) return;
    ApplyObjectFlags();
    RepaintFrame();
}

void TvnVeneerform::SetShowIcon(bool show)
{
    m_showIcon = show;
    if (IsLoading()) return;
    ApplyIconSize();
    m_paintCache = {};
    if (m_skinPresent) RebuildAfterSize();
    RepaintFrame();
}

void TvnVeneerform::ApplyIconSize()
{
    for (TvnLayoutObject& o : m_objects.Layout())
        o.Size = ShowsIcon(o, m_showIcon) ? kSmallIconSize : QSize();
}

const QImage& TvnVeneerform::SmallIcon() const
{
    QIcon icon = m_form->windowIcon();
    if (icon.isNull()) icon = QIcon::fromTheme(QStringLiteral("application-x-executable"));
    if (icon.isNull()) icon = m_form->style()->standardIcon(QStyle::SP_TitleBarMenuButton);
    if (m_smallIcon.isNull() || icon.cacheKey() != m_smallIconKey) {
        m_smallIconKey = icon.cacheKey();
        m_smallIcon = icon.pixmap(kSmallIconSize)
                          .toImage()
                          .scaled(kSmallIconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return m_smallIcon;
}

void TvnVeneerform::SetLogoBitMap(const QImage& logo)
{
    m_logo = logo;
    if (m_form) m_form->ClientWidget()->update();
}

void TvnVeneerform::SetDefMenuItemHeight(int height)
{
    // The menu engine keeps its own height for values that make no item.
    if (height > 0) m_defMenuItemHeight = height;
}

bool TvnVeneerform::ToolWindowStyle() const
{
    return m_form->BorderStyle() == bsToolWindow || m_form->BorderStyle() == bsSizeToolWin;
}

QSize TvnVeneerform::PictureSize() const { return m_skinData ? m_skinData->MainPicture.size() : QSize(); }

TvnFrameLimits TvnVeneerform::Limits() const
{
    TvnFrameLimits limits;
    limits.MinWidth = m_minWidth;
    limits.MinHeight = m_minHeight;
    limits.RolledUp = m_rollUpState;
    limits.Minimized = FrameMinimized();
    limits.ToolWindow = ToolWindowStyle();
    return limits;
}

int TvnVeneerform::GetMinWidth() const
{
    return veneer::GetMinWidth(m_skinPresent ? m_skinData.data() : nullptr, PictureSize(), Limits());
}

int TvnVeneerform::GetMinHeight() const
{
    return veneer::GetMinHeight(m_skinPresent ? m_skinData.data() : nullptr, PictureSize(), Limits());
}

void TvnVeneerform::TakeFrameSize()
{
    m_frameWidth = m_form->width();
    m_frameHeight = m_form->height();
}

void TvnVeneerform::StopTimers()
{
    // The mouse, morph and animation timers belong to the frame objects' behaviour.
    for (WPARAM id : { kFadeTimer, kMouseTimer, kMorphTimer, kAnimateTimer })
        if (m_form) m_form->KillTimer(id);
}

void TvnVeneerform::ApplyObjectFlags()
{
    m_objects.ApplyBorderIcons(m_borderIcons, m_hideCaptionButtons, m_disableSystemMenu);
    ApplyIconSize();
    // Caption buttons of no command of the frame's show when the application says so.
    for (int i = 0; i < m_objects.Count(); ++i) {
        TvnLayoutObject& o = m_objects.Layout()[i];
        if (!m_objects.FollowsBorderIcons(i) || o.Command != TvnSkinCommand::cmDefault
            || m_hideCaptionButtons)
            continue;
        bool visible = false;
        events::Fire(OnActivateCustomObject, m_objects.State(i).IDName, visible);
        o.Shown = visible;
    }
}

void TvnVeneerform::BuildObjects()
{
    m_objects.BuildFromSkin(*m_skinData);
    ApplyObjectFlags();
}

void TvnVeneerform::ApplySkin()
{
    if (!m_form) return;
    // 1. What the last skin left behind.
    m_skinPresent = m_skinData && !m_skinData->Empty();
    m_paintCache = {};
    HideGlows();

    // 2. The objects of the new skin, or none.
    // A menu still open belongs to no object of the new list.
    m_activeObject = m_captureObject = m_menuObject = -1;
    if (m_skinPresent && m_skinnable) {
        BuildObjects();
    } else {
        m_objects.Clear();
        TakeFrameSize();
        UpdateFrameRegion(true);
    }

    // 3. The form's own caption buttons come back only when the frame does not draw.
    if (m_skinnable) {
        if (m_form->BorderIcons() != TBorderIcons()) m_form->SetBorderIcons({});
    } else {
        TBorderIcons icons;
        if (!m_hideCaptionButtons) icons |= fw::biSystemMenu;
        if (m_borderIcons.testFlag(biMinimize)) icons |= fw::biMinimize;
        if (m_borderIcons.testFlag(biMaximize)) icons |= fw::biMaximize;
        m_form->SetBorderIcons(icons);
    }
    m_form->SetOwnFrame(m_skinnable);
    m_form->FrameChanged();

    // 4. Never smaller than the frame allows.
    const int minW = GetMinWidth(), minH = GetMinHeight();
    const int w = m_form->width(), h = m_form->height();
    if (w < minW && h < minH)
        m_form->SetBounds(m_form->x(), m_form->y(), minW, minH);
    else if (h < minH)
        m_form->SetHeight(minH);
    else if (w < minW)
        m_form->SetWidth(minW);
    // At the same size, steps 3 and 5 are the nudge: the client laid out again, and the
    // frame's geometry and region rebuilt.
    // A caption bar is exactly as high as the new frame (and a minimized one as wide).
    if (m_rollUpState || FrameMinimized()) m_form->SetHeight(minH);
    if (FrameMinimized()) m_form->SetWidth(minW);

    // 5. Geometry, region and repaint at the form's size.
    TakeFrameSize();
    if (m_skinPresent) RebuildAfterSize();

    // 6. Everything is drawn again.
    m_form->update();
    m_form->ClientWidget()->update();
    // 7. The caption shows the frame's state.
    SetCaptionsActive(true);
    FillTrayMenu();
    events::Fire(OnChangeSkinData, this);

    // 8. The client size the frame asks for.
    if (!m_rollUpState) {
        if (m_clientWidth > 0) m_form->SetClientWidth(m_clientWidth);
        if (m_clientHeight > 0) m_form->SetClientHeight(m_clientHeight);
    }
}

void TvnVeneerform::SetSkinnable(bool skinnable)
{
    // A maximized form leaves its maximize behind (the frame's bounds, or the window
    // manager's state) out of sight, and takes the other way's once switched.
    const bool wasVisible = m_form->isVisible();
    bool wasMaximized = false;
    if (m_skinnable && m_windowState == TvnWindowState::wsMaximized) {
        wasMaximized = true;
        m_form->hide();
        SetFrameWindowState(TvnWindowState::wsNormal);
    } else if (!m_skinnable && m_form->isMaximized()) {
        wasMaximized = true;
        m_form->setWindowState(m_form->windowState() & ~Qt::WindowMaximized);
        m_form->hide();
    }
    m_skinnable = skinnable;
    ApplySkin();
    RelayToControls(TMessage { msg::SKINMSG_CHANGE, reinterpret_cast<WPARAM>(m_skinData.data()), 0, 0 });
    m_form->update();
    if (!wasMaximized) return;
    if (m_skinnable)
        SetFrameWindowState(TvnWindowState::wsMaximized);
    else
        m_form->setWindowState(m_form->windowState() | Qt::WindowMaximized);
    if (wasVisible) m_form->show();
}

bool TvnVeneerform::MessageNamesOurStore(const TMessage& m) const
{
    return m_skinData && m.WParam == reinterpret_cast<WPARAM>(m_skinData.data());
}

void TvnVeneerform::RelayToControls(const TMessage& m)
{
    TMessage relayed { m.Msg, m.WParam, m.LParam, 0 };
    TControl::Broadcast(m_form->ClientWidget(), relayed);
}

void TvnVeneerform::ShowInActivePanel(bool show)
{
    if (show) {
        if (m_inActivePanel || !m_form->isVisible()) return;
        m_inActivePanel = TvnClientInActivePanel::Cover(*this, m_clientInActiveEffectType);
    } else {
        delete m_inActivePanel;
        m_inActivePanel = nullptr;
    }
}

void RegisterSkinFormClasses()
{
    vntray::RegisterTrayClasses();
    // Declared data name the class without its namespace.
    RegisterClassInfo({ QStringLiteral("TvnVeneerform"), &TvnVeneerform::staticMetaObject,
        [](QObject* owner) -> QObject* { return new TvnVeneerform(owner); } });
    RegisterClassInfo({ QStringLiteral("TvnSkinHint"), &TvnSkinHint::staticMetaObject,
        [](QObject* owner) -> QObject* { return new TvnSkinHint(owner); } });
    events::RegisterEvent<QObject*, QPainter*, QRect, bool>();
    events::RegisterEvent<QString>();
    events::RegisterEvent<QString, int, int, QRect, TMouseButton>();
    events::RegisterEvent<QString, int, int, QRect>();
    events::RegisterEvent<QString, QPainter*, QRect>();
    events::RegisterEvent<QString, bool&>();
    // The fonts' character set as declared data name it.
    declared::RegisterIntegerConstant(QStringLiteral("DEFAULT_CHARSET"), 1);
}

} // namespace veneer

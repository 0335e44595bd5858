// The system menu of the frame: the default items for the present state, shown through
// the skinned menu engine, and what each item does.
#include "SystemMenu.h"
#include "Veneerform.h"
#include "framework/Font.h"
#include "framework/Form.h"
#include "platform/Colors.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <algorithm>
#include <utility>

namespace veneer {

std::vector<TvnSystemMenuEntry> TvnVeneerform::SystemMenuEntries() const
{
    TvnSystemMenuState state;
    state.Minimized = FrameMinimized();
    state.Maximized = FrameMaximized();
    state.RolledUp = m_rollUpState;
    state.Icons = m_borderIcons;
    return DefaultSystemMenu(state, m_skinData ? m_skinData->ResourceStrData() : nullptr);
}

void TvnVeneerform::ShowSystemMenuFromKeyboard()
{
    if (!m_form || m_form->BorderStyle() == bsNone) return;
    QRect under;
    for (int i = 0; i < m_objects.Count() && under.isEmpty(); ++i) {
        const TvnLayoutObject& o = m_objects.LayoutAt(i);
        const bool button = o.Kind == TvnObjectKind::StdButton || o.Kind == TvnObjectKind::Animate;
        if (button && o.Command == TvnSkinCommand::cmSysMenu && o.Shown && m_objects.State(i).Available)
            under = o.Rect;
    }
    if (under.isEmpty()) {
        const int caption = m_objects.IndexOf(TvnObjectKind::Caption);
        under
            = caption != -1 ? m_objects.LayoutAt(caption).Rect : QRect(0, 0, 1, m_form->ClientWidget()->y());
        under.setWidth(1);
    }
    ShowSystemMenu(QRect(m_form->mapToGlobal(under.topLeft()), under.size()));
}

void TvnVeneerform::CloseSkinMenus()
{
    if (m_menuEngine && m_menuEngine->IsOpen()) m_menuEngine->CloseMenus();
}

vnmenus::TvnMenuItems TvnVeneerform::SystemMenuItems()
{
    vnmenus::TvnMenuItems items;
    for (const TvnSystemMenuEntry& entry : SystemMenuEntries()) {
        vnmenus::TvnMenuItem item;
        item.Name = entry.Name;
        item.Caption = entry.Caption;
        item.ShortCut = entry.ShortCut;
        const TvnSystemMenuAction action = entry.Action;
        item.OnClick = [self = QPointer<TvnVeneerform>(this), action] {
            if (!self) return;
            switch (action) {
            case TvnSystemMenuAction::Minimize:
                self->RunCommand(TvnSkinCommand::cmMinimize);
                break;
            case TvnSystemMenuAction::Maximize:
                self->SetFrameWindowState(TvnWindowState::wsMaximized);
                break;
            case TvnSystemMenuAction::Restore:
                if (self->m_rollUpState)
                    self->SetRollUpState(false);
                else
                    self->SetFrameWindowState(TvnWindowState::wsNormal);
                break;
            case TvnSystemMenuAction::RollUp:
                self->SetRollUpState(true);
                break;
            case TvnSystemMenuAction::MinimizeToTray:
                self->RunCommand(TvnSkinCommand::cmMinimizeToTray);
                break;
            case TvnSystemMenuAction::Close:
                self->m_form->Close();
                break;
            case TvnSystemMenuAction::None:
                break;
            }
        };
        items.push_back(std::move(item));
    }
    // The application's own system menu replaces the default one, or takes its items.
    if (m_systemMenu)
        items = m_useDefaultSysMenu ? MergeSystemMenu(m_systemMenu->Items(), items) : m_systemMenu->Items();
    return items;
}

void TvnVeneerform::ShowSystemMenu(const QRect& screenRect)
{
    if (m_disableSystemMenu) return;
    OpenMenu(SystemMenuItems(), screenRect, false);
}

vnmenus::TvnMenuEngine& TvnVeneerform::FrameMenuEngine()
{
    if (!m_menuEngine) {
        m_menuEngine = std::make_unique<vnmenus::TvnMenuEngine>();
        // The button whose menu it was stays down until the menu closes.
        m_menuEngine->OnClose = [this](QObject*) {
            const int i = std::exchange(m_menuObject, -1);
            if (i >= 0 && i < m_objects.Count()) {
                TvnFrameObjectState& s = m_objects.State(i);
                s.MenuOpen = false;
                // The pointer went elsewhere while the menu showed: the glow goes too.
                if (!s.MouseIn) {
                    HideGlow(i);
                    s.Highlighted = false;
                }
                if (s.Pressed)
                    LetGo(i);
                else
                    RepaintObject(i);
            }
            events::Fire(OnSkinMenuClose, this);
        };
    }
    return *m_menuEngine;
}

vnmenus::TvnMenuSettings TvnVeneerform::MenuSettings() const
{
    vnmenus::TvnMenuSettings settings;
    settings.DefaultItemHeight = m_defMenuItemHeight;
    settings.DefaultFont = m_defMenuItemFont->ToQFont();
    settings.DefaultTextColor = ToQColor(m_defMenuItemFont->Color());
    settings.UseSkinFont = m_useSkinFontInMenu;
    settings.AlphaBlend = m_menusAlphaBlend;
    settings.AlphaBlendAnimation = m_menusAlphaBlendAnimation;
    settings.AlphaBlendValue = std::clamp(m_menusAlphaBlendValue, 0, 255);
    settings.MaxItemsInWindow = std::max(0, m_maxMenuItemsInWindow);
    return settings;
}

void TvnVeneerform::OpenMenu(vnmenus::TvnMenuItems items, const QRect& screenRect, bool above)
{
    const TvnSkinData* store = m_menusSkinData ? m_menusSkinData.data() : m_skinData.data();
    vnmenus::TvnMenuEngine& engine = FrameMenuEngine();
    engine.SetSettings(MenuSettings());
    engine.Popup(std::move(items), screenRect, store,
        above ? vnmenus::TvnPopupPlacement::Above : vnmenus::TvnPopupPlacement::Below);
    if (engine.IsOpen()) events::Fire(OnSkinMenuOpen, this);
}

const TvnVeneerform::ButtonMenu* TvnVeneerform::ButtonMenuOf(int i) const
{
    const TvnLayoutObject& o = m_objects.LayoutAt(i);
    const bool opensMenu = o.Kind == TvnObjectKind::Button
        || (o.Kind == TvnObjectKind::Animate && o.Command == TvnSkinCommand::cmDefault);
    if (!opensMenu) return nullptr;
    const auto it = m_buttonMenus.constFind(m_objects.State(i).IDName);
    return it != m_buttonMenus.constEnd() && it->Menu ? &*it : nullptr;
}

void TvnVeneerform::SetButtonMenu(const QString& idName, TvnSkinPopupMenu* menu, bool above)
{
    if (menu) {
        FreeNotification(menu);
        m_buttonMenus.insert(idName, { menu, above });
    } else {
        m_buttonMenus.remove(idName);
    }
}

void TvnVeneerform::PopupFromObject(int i, vnmenus::TvnMenuItems items, bool above)
{
    // A menu without items opens nothing, and the button goes up on its release.
    if (items.empty()) return;
    HideGlows();
    const QRect r = m_objects.LayoutAt(i).Rect;
    OpenMenu(std::move(items), QRect(m_form->mapToGlobal(r.topLeft()), r.size()), above);
    if (!m_menuEngine->IsOpen()) return;
    m_menuObject = i;
    TvnFrameObjectState& s = m_objects.State(i);
    s.MenuOpen = true;
    // It glows on while its menu shows, and an animated one without a down image
    // holds its last frame.
    if (s.MouseIn) ShowGlow(i);
    if (const TvnDataSkinAnimate* a = s.Record.Animate; a && vnutils::RectEmpty(a->DownSkinRect))
        s.FrameIndex = std::max(1, a->CountFrames);
    RepaintObject(i);
}

} // namespace veneer

// The system menu of the frame: the default items for the present state, shown through
// the skinned menu engine, and what each item does.
#include "SystemMenu.h"
#include "Veneerform.h"
#include "framework/Form.h"

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

void TvnVeneerform::ShowSystemMenu(const QRect& screenRect)
{
    if (m_disableSystemMenu) return;
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
    if (!m_menuEngine) {
        m_menuEngine = std::make_unique<vnmenus::TvnMenuEngine>();
        // The system-menu button stays down while its menu is open.
        m_menuEngine->OnClose = [this](QObject*) {
            for (int i = 0; i < m_objects.Count(); ++i) {
                const TvnLayoutObject& o = m_objects.LayoutAt(i);
                TvnFrameObjectState& st = m_objects.State(i);
                if (o.Command == TvnSkinCommand::cmSysMenu && st.Pressed) {
                    st.Pressed = false;
                    RepaintObject(i);
                }
            }
        };
    }
    const TvnSkinData* store = m_menusSkinData ? m_menusSkinData.data() : m_skinData.data();
    m_menuEngine->Popup(std::move(items), screenRect, store);
}

} // namespace veneer

// The frame and the tray: its tray icon, the tray menu it gives the icon, and the form's
// way into the tray and back. On this desktop a form in the tray is hidden (it leaves
// the screen and the task bar) and comes back shown and active.
#include "Veneerform.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/data/vnSkinData/ResourceStrData.h"

namespace veneer {

void TvnVeneerform::FillTrayMenu()
{
    const TvnResourceStrData* strings = m_skinData ? m_skinData->ResourceStrData() : nullptr;
    vnmenus::TvnMenuItems& items = m_trayMenu->Items();
    items.clear();
    vnmenus::TvnMenuItem restore;
    restore.Name = QStringLiteral("TRAY_VNF_RESTORE");
    restore.Caption = ResStrOr(strings, "MI_RESTORECAPTION", "&Restore");
    restore.OnClick = [self = QPointer<TvnVeneerform>(this)] {
        if (self) self->RestoreFromTray();
    };
    vnmenus::TvnMenuItem separator;
    separator.Caption = QStringLiteral("-");
    vnmenus::TvnMenuItem close;
    close.Name = QStringLiteral("TRAY_VNF_CLOSE");
    close.Caption = ResStrOr(strings, "MI_CLOSECAPTION", "&Close");
    close.OnClick = [self = QPointer<TvnVeneerform>(this)] {
        if (self && self->m_form) self->m_form->Close();
    };
    items = { std::move(restore), std::move(separator), std::move(close) };
    m_trayMenu->SetSkinData(m_menusSkinData ? m_menusSkinData.data() : m_skinData.data());
}

void TvnVeneerform::SetTrayIcon(TvnTrayIcon* icon)
{
    m_trayIcon = icon;
    if (!icon) return;
    FreeNotification(icon);
    if (!m_alwaysShowInTray) icon->SetIconVisible(false);
    icon->SetMinimizeToTray(false);
    if (!icon->PopupMenu()) icon->SetPopupMenu(m_trayMenu);
    if (!icon->OnDblClick) {
        icon->OnDblClick = [self = QPointer<TvnVeneerform>(this)](QObject*) {
            if (self) self->RestoreFromTray();
        };
    }
}

void TvnVeneerform::MinimizeFormToTray()
{
    if (!m_trayIcon || !m_form) return;
    LeaveAllObjects();
    if (!TvnTrayIcon::SystemTrayAvailable()) {
        // No tray to come back from: the ordinary minimize keeps the form reachable.
        SetFrameWindowState(TvnWindowState::wsMinimized);
        return;
    }
    m_trayIcon->SetMinimizeToTray(true);
    m_inTray = true;
    m_form->hide();
    events::Fire(OnMinimizeToTray, this);
}

void TvnVeneerform::RestoreFromTray()
{
    if (!m_trayIcon || !m_form) return;
    m_trayIcon->SetMinimizeToTray(false);
    m_inTray = false;
    if (Application()->Minimized() && Application()->MainForm() == m_form) Application()->Restore();
    m_form->show();
    m_form->raise();
    TApplication::ActivateNow(m_form);
    if (!m_alwaysShowInTray) m_trayIcon->SetIconVisible(false);
    events::Fire(OnRestoreFromTray, this);
}

} // namespace veneer

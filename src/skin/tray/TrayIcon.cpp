#include "TrayIcon.h"

#include "framework/ClassRegistry.h"
#include "skin/menus/vnSkinMenus/SkinPopupMenu.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QStyle>
#include <QSystemTrayIcon>

TvnTrayIcon::TvnTrayIcon(QObject* owner)
    : TComponent(owner)
    , m_tray(new QSystemTrayIcon(this))
{
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            events::Fire(OnClick, this);
            break;
        case QSystemTrayIcon::DoubleClick:
            events::Fire(OnDblClick, this);
            break;
        case QSystemTrayIcon::Context:
            PopupMenuAtCursor();
            break;
        default:
            break;
        }
    });
}

TvnTrayIcon::~TvnTrayIcon() { m_tray->hide(); }

void TvnTrayIcon::SetIconVisible(bool visible)
{
    m_iconVisible = visible;
    UpdateTray();
}

void TvnTrayIcon::SetMinimizeToTray(bool inTray)
{
    m_minimizeToTray = inTray;
    UpdateTray();
}

void TvnTrayIcon::SetHint(const QString& hint)
{
    m_hint = hint;
    UpdateTray();
}

void TvnTrayIcon::SetIcon(const QImage& icon)
{
    m_icon = icon;
    UpdateTray();
}

void TvnTrayIcon::SetPopupMenu(TvnSkinPopupMenu* menu)
{
    m_popupMenu = menu;
    if (menu) FreeNotification(menu);
}

bool TvnTrayIcon::Shown() const { return m_tray->isVisible(); }

bool TvnTrayIcon::SystemTrayAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void TvnTrayIcon::Notification(QObject* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_popupMenu) m_popupMenu = nullptr;
}

void TvnTrayIcon::Loaded()
{
    TComponent::Loaded();
    UpdateTray();
}

void TvnTrayIcon::UpdateTray()
{
    if (IsLoading()) return;
    // A tray shows no icon without a picture: the application's, else the desktop's
    // generic one.
    QIcon icon = m_icon.isNull() ? QApplication::windowIcon() : QIcon(QPixmap::fromImage(m_icon));
    if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    m_tray->setIcon(icon);
    m_tray->setToolTip(m_hint.isEmpty() ? QApplication::applicationDisplayName() : m_hint);
    m_tray->setVisible(m_iconVisible || m_minimizeToTray);
}

void TvnTrayIcon::PopupMenuAtCursor()
{
    if (!m_popupMenu) return;
    const QPoint at = QCursor::pos();
    m_popupMenu->Popup(at.x(), at.y());
}

namespace vntray {

void RegisterTrayClasses() { RegisterClass<TvnTrayIcon>(); }

} // namespace vntray

#pragma once
// TvnTrayIcon: the application's icon in the desktop's tray (a status-notifier item over
// D-Bus, or the X11 system tray; Qt picks what the desktop offers). It shows while
// `IconVisible` is set or while a form has gone to the tray (`MinimizeToTray`), opens
// its skinned popup menu on the tray's context click and tells its clicks.
#include "framework/Component.h"
#include "framework/Events.h"
#include "skin/menus/vnSkinMenus/SkinPopupMenu.h"

#include <QImage>
#include <QPointer>

class QSystemTrayIcon;

class TvnTrayIcon : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool IconVisible READ IconVisible WRITE SetIconVisible)
    Q_PROPERTY(bool MinimizeToTray READ MinimizeToTray WRITE SetMinimizeToTray)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(QImage Icon READ Icon WRITE SetIcon)
    Q_PROPERTY(TvnSkinPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
    Q_PROPERTY(TNotifyEvent OnClick MEMBER OnClick)
    Q_PROPERTY(TNotifyEvent OnDblClick MEMBER OnDblClick)
public:
    explicit TvnTrayIcon(QObject* owner = nullptr);
    ~TvnTrayIcon() override;

    bool IconVisible() const { return m_iconVisible; }
    void SetIconVisible(bool visible);
    // Set while a form waits in the tray: the icon is the way back, so it shows.
    bool MinimizeToTray() const { return m_minimizeToTray; }
    void SetMinimizeToTray(bool inTray);
    QString Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    QImage Icon() const { return m_icon; }
    void SetIcon(const QImage& icon);
    TvnSkinPopupMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TvnSkinPopupMenu* menu);

    // Whether the icon is in the desktop's tray now.
    bool Shown() const;
    // Whether the desktop has a tray to show icons in at all.
    static bool SystemTrayAvailable();
    // The Qt icon behind the component (tests reach the tray through it).
    QSystemTrayIcon* SystemTrayIcon() const { return m_tray; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    void Notification(QObject* component, TOperation operation) override;
    void Loaded() override;

private:
    void UpdateTray();
    void PopupMenuAtCursor();

    bool m_iconVisible = false;
    bool m_minimizeToTray = false;
    QString m_hint;
    QImage m_icon;
    QPointer<TvnSkinPopupMenu> m_popupMenu;
    QSystemTrayIcon* m_tray;
};

namespace vntray {
// Registers the class for declared data.
void RegisterTrayClasses();
} // namespace vntray

#pragma once
// TvnSkinPopupMenu: a popup menu component drawn by the skin. It holds its items and
// its store (not owned) and opens through the menu engine at a point or at a
// rectangle of the screen.
#include "MenuEngine.h"
#include "framework/Component.h"
#include "skin/data/vnSkinData/SkinData.h"

class TvnSkinPopupMenu : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TvnSkinData* SkinData READ SkinData WRITE SetSkinData)
    Q_PROPERTY(TNotifyEvent OnPopup MEMBER OnPopup)
    Q_PROPERTY(TNotifyEvent OnClose MEMBER OnClose)
public:
    explicit TvnSkinPopupMenu(QObject* owner = nullptr);

    TvnSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TvnSkinData* store) { m_skinData = store; }

    vnmenus::TvnMenuItems& Items() { return m_items; }
    const vnmenus::TvnMenuItems& Items() const { return m_items; }

    // Opens with the menu's top-left corner at (x, y) of the screen, moved to stay on it.
    void Popup(int x, int y);
    void PopupAt(const QRect& screenRect, vnmenus::TvnPopupPlacement placement);
    void CloseMenu() { m_engine.CloseMenus(); }
    bool IsOpen() const { return m_engine.IsOpen(); }
    vnmenus::TvnMenuEngine& Engine() { return m_engine; }

    TNotifyEvent OnPopup;
    TNotifyEvent OnClose;

private:
    QPointer<TvnSkinData> m_skinData;
    vnmenus::TvnMenuItems m_items;
    vnmenus::TvnMenuEngine m_engine;
};

#include "SkinPopupMenu.h"

#include "skin/data/vnSkinData/SkinData.h"

TvnSkinPopupMenu::TvnSkinPopupMenu(QObject* owner)
    : TComponent(owner)
{
    m_engine.OnClose = [this](QObject*) { events::Fire(OnClose, this); };
}

void TvnSkinPopupMenu::Popup(int x, int y) { PopupAt(QRect(x, y, 0, 0), vnmenus::TvnPopupPlacement::Below); }

void TvnSkinPopupMenu::PopupAt(const QRect& screenRect, vnmenus::TvnPopupPlacement placement)
{
    events::Fire(OnPopup, this);
    m_engine.Popup(m_items, screenRect, m_skinData, placement);
}

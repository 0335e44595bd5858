#pragma once
// TvnCustomEdit: the framework's mask edit made ready for a skin. The line edit draws
// only its text, on a transparent background, so a derived class paints the face and
// frame behind it; Enter and Esc reach the form as dialog keys and a read-only field
// refuses every change (both from the mask edit). A right click or the context-menu key
// opens the field's PopupMenu, or, without one, a skinned menu of the usual edit
// commands: Undo, Cut, Copy, Paste, Delete, Select All.
#include "framework/stdctrls/MaskEdit.h"
#include "skin/menus/vnSkinMenus/SkinPopupMenu.h"

#include <memory>

class TvnCustomEdit : public TMaskEdit {
    Q_OBJECT
    Q_PROPERTY(TvnSkinPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
public:
    explicit TvnCustomEdit(QObject* owner = nullptr);
    ~TvnCustomEdit() override;

    TvnSkinPopupMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TvnSkinPopupMenu* menu) { m_popupMenu = menu; }

    // The items of the built-in context menu as the field stands now: captions from the
    // store's resource strings ("EDIT_UNDO", ...) else the built-in English ones; each
    // enabled as the field's commands allow.
    vnmenus::TvnMenuItems ContextMenuItems() const;
    // Opens the context menu at `global` (screen coordinates).
    void ShowContextMenu(QPoint global);
    // The built-in context menu of the last right click; it lives until the next one.
    TvnSkinPopupMenu* ContextMenu() const { return m_contextMenu.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A right click on the frame, outside the text.
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The store the menu is drawn from and its captions come from; none here.
    virtual TvnSkinData* MenuStore() const { return nullptr; }

private:
    QPointer<TvnSkinPopupMenu> m_popupMenu;
    std::unique_ptr<TvnSkinPopupMenu> m_contextMenu;
};

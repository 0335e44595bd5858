#pragma once
// The skinned menu engine: pops up a list of items at a rectangle of the screen, below
// it or above it, drawn from the popup window description and the "menuitem" frame
// object of the store it is given, and reports when the menu has closed. The edit's
// context menu and the form frame's system and button-object menus all go through it.
//
//   engine.OnClose = [&](QObject*) { ... };        // once per Popup, after closing
//   engine.Popup(items, buttonRectOnScreen, store);  // below, or above without room
//   engine.KeyDown(vk::VK_DOWN);                     // keys a frame routes to the menu
//   engine.CloseMenus();                             // SKINMSG_CLOSE_MENUS
//
// Choosing an item closes the menu first (OnClose runs), then runs the item's OnClick
// once; Esc, a click outside and CloseMenus close it without running anything.
#include "PopupMenuWindow.h"
#include "framework/Events.h"

#include <QObject>
#include <QPointer>
#include <memory>

class TvnSkinData;

namespace vnmenus {

class TvnMenuEngine : public QObject {
    Q_OBJECT
public:
    explicit TvnMenuEngine(QObject* parent = nullptr);
    ~TvnMenuEngine() override;

    // Closes a menu still open (reporting it), then opens `items` at `screenRect`. The
    // store is read once now and not kept; nullptr or an empty store gives the default
    // look. Nothing opens when no item is visible.
    void Popup(TvnMenuItems items, const QRect& screenRect, const TvnSkinData* store,
        TvnPopupPlacement placement = TvnPopupPlacement::Below);
    bool IsOpen() const { return m_root; }
    // Taken by the next menu opened.
    void SetSettings(const TvnMenuSettings& settings) { m_settings = settings; }
    const TvnMenuSettings& Settings() const { return m_settings; }
    // A key-down message the frame routes here while the menu is open (virtual key, and
    // the character it types, if any). True when the menu took it.
    bool KeyDown(int key, QChar ch = {});
    void CloseMenus();

    // The outermost and the innermost open level, or nullptr.
    TvnPopupMenuWindow* TopMenu() const { return m_root; }
    TvnPopupMenuWindow* ActiveMenu() const;
    const TvnMenuItems& Items() const { return m_items; }

    TNotifyEvent OnClose;

    // Called by the levels: an item without sub-menu was chosen; the outermost level
    // was hidden (by Qt, on a click outside or when the application lost the focus).
    void Chosen(const TvnMenuItem& item);
    void LevelHidden(TvnPopupMenuWindow* level);

private:
    void FadeIn(TvnPopupMenuWindow* root) const;
    // Hides and releases the levels and reports the closing, once.
    void Finish();

    TvnMenuItems m_items;
    TvnMenuSettings m_settings = DefaultMenuSettings();
    std::shared_ptr<const TvnMenuLook> m_look;
    QPointer<TvnPopupMenuWindow> m_root;
};

// The work area of the screen that shows `rect` (the primary screen when none does).
QRect WorkAreaAt(const QRect& rect);

} // namespace vnmenus

#pragma once
// One open level of a skinned popup menu: a real top-level popup window (Qt::Popup, so
// it takes the mouse and the keyboard while open) that shows a list of items and opens
// the sub-menu of an item beside it. Its engine owns the items and decides what closing
// and choosing do.
#include "MenuPaint.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace vnmenus {

class TvnMenuEngine;

class TvnPopupMenuWindow : public QWidget {
    Q_OBJECT
public:
    TvnPopupMenuWindow(TvnMenuEngine& engine, const TvnMenuItems& items,
        std::shared_ptr<const TvnMenuLook> look, TvnPopupMenuWindow* parentMenu);

    const TvnMenuItems& Items() const { return m_items; }
    const TvnMenuLayout& Layout() const { return m_layout; }
    int Selected() const { return m_selected; }
    void Select(int index);
    TvnPopupMenuWindow* SubMenu() const { return m_subMenu; }
    TvnPopupMenuWindow* ParentMenu() const { return m_parentMenu; }
    // Row `index` in screen coordinates.
    QRect RowOnScreen(int index) const;

    // One key while this level is the innermost one: arrows, Home, End, Enter, Space,
    // Esc, Left and Right, or an accelerator character. True when the key was taken.
    bool KeyDown(int key, QChar ch);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The open level (this one or one of its parents) under `global`, or nullptr.
    TvnPopupMenuWindow* LevelAt(QPoint global);
    void HoverAt(QPoint global);
    void OpenSubMenu(bool selectFirst);
    void CloseSubMenu();
    // Opens the item's sub-menu or hands the item to the engine to run.
    void Choose(int index);

    TvnMenuEngine& m_engine;
    const TvnMenuItems& m_items;
    std::shared_ptr<const TvnMenuLook> m_look;
    TvnMenuLayout m_layout;
    TvnPopupMenuWindow* m_parentMenu;
    QPointer<TvnPopupMenuWindow> m_subMenu;
    int m_selected = -1;
};

} // namespace vnmenus

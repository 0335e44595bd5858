#pragma once
// One open level of a skinned popup menu: a real top-level popup window (Qt::Popup, so
// it takes the mouse and the keyboard while open) that shows a list of items and opens
// the sub-menu of an item beside it. Its engine owns the items and decides what closing
// and choosing do.
#include "MenuPaint.h"

#include <QPointer>
#include <QTimer>
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
    // Selects item `index` (-1: none), scrolling it into the window.
    void Select(int index);
    // Scrolls by `rows` visible items (down when positive), as far as the list goes; a
    // selected item scrolled out gives its selection to the nearest one shown.
    void ScrollBy(int rows);
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
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The open level (this one or one of its parents) under `global`, or nullptr.
    TvnPopupMenuWindow* LevelAt(QPoint global);
    void HoverAt(QPoint global);
    void OpenSubMenu(bool selectFirst);
    void CloseSubMenu();
    // The rows laid out again from item `top` on.
    void ShowFrom(int top);
    // The way a scroll marker under `local` scrolls (-1 up, +1 down), or 0.
    int MarkerAt(QPoint local) const;
    // Opens the item's sub-menu or hands the item to the engine to run.
    void Choose(int index);

    TvnMenuEngine& m_engine;
    const TvnMenuItems& m_items;
    std::shared_ptr<const TvnMenuLook> m_look;
    TvnMenuLayout m_layout;
    TvnPopupMenuWindow* m_parentMenu;
    QPointer<TvnPopupMenuWindow> m_subMenu;
    int m_selected = -1;
    int m_maxRows = 0;
    // Scrolls on while the pointer rests on a marker.
    QTimer m_scrollTimer;
    int m_scrollStep = 0;
    // The wheel's turn not yet a whole notch (high-resolution wheels send parts).
    int m_wheelAngle = 0;
};

} // namespace vnmenus

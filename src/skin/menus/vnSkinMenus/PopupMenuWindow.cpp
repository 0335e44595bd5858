#include "PopupMenuWindow.h"

#include "MenuEngine.h"
#include "platform/Keys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vnmenus {

TvnPopupMenuWindow::TvnPopupMenuWindow(TvnMenuEngine& engine, const TvnMenuItems& items,
    std::shared_ptr<const TvnMenuLook> look, TvnPopupMenuWindow* parentMenu)
    : QWidget(parentMenu, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint)
    , m_engine(engine)
    , m_items(items)
    , m_look(std::move(look))
    , m_layout(LayoutMenu(*m_look, items))
    , m_parentMenu(parentMenu)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // Keys reach an open popup without it taking the focus, so the field below keeps
    // its selection for the command chosen.
    setFocusPolicy(Qt::NoFocus);
    resize(m_layout.Size);
    setWindowOpacity(m_engine.Settings().Opacity());
    if (auto shape = MenuShape(*m_look, m_layout.Size)) setMask(*shape);
}

void TvnPopupMenuWindow::Select(int index)
{
    if (index == m_selected) return;
    m_selected = index;
    update();
}

QRect TvnPopupMenuWindow::RowOnScreen(int index) const
{
    if (index < 0 || index >= int(m_layout.Rows.size())) return {};
    return m_layout.Rows[index].translated(mapToGlobal(QPoint(0, 0)));
}

void TvnPopupMenuWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, DrawMenu({ m_look.get(), &m_layout, &m_items, m_selected }));
}

bool TvnPopupMenuWindow::KeyDown(int key, QChar ch)
{
    switch (key) {
    case vk::VK_DOWN:
    case vk::VK_UP: {
        const int next = NextSelectable(m_items, m_selected, key == vk::VK_DOWN ? 1 : -1);
        if (next != -1) Select(next);
        return true;
    }
    case vk::VK_HOME:
        Select(NextSelectable(m_items, -1, 1));
        return true;
    case vk::VK_END:
        Select(NextSelectable(m_items, -1, -1));
        return true;
    case vk::VK_RIGHT:
        if (m_selected != -1 && !m_items[m_selected].Items.empty()) OpenSubMenu(true);
        return true;
    case vk::VK_LEFT:
        if (m_parentMenu) m_parentMenu->CloseSubMenu();
        return true;
    case vk::VK_ESCAPE:
        if (m_parentMenu)
            m_parentMenu->CloseSubMenu();
        else
            m_engine.CloseMenus();
        return true;
    case vk::VK_RETURN:
    case vk::VK_SPACE:
        if (m_selected != -1) Choose(m_selected);
        return true;
    default:
        break;
    }
    if (!ch.isNull() && ch.isPrint()) {
        const int item = AccelItem(m_items, ch);
        if (item != -1) {
            Select(item);
            Choose(item);
        }
    }
    // An open menu keeps every key from the window below it.
    return true;
}

void TvnPopupMenuWindow::keyPressEvent(QKeyEvent* e)
{
    const QChar ch = e->text().isEmpty() ? QChar() : e->text().at(0);
    KeyDown(VirtualKeyFromQt(e->key()), ch);
}

TvnPopupMenuWindow* TvnPopupMenuWindow::LevelAt(QPoint global)
{
    for (TvnPopupMenuWindow* level = this; level; level = level->m_parentMenu)
        if (level->isVisible() && level->rect().contains(level->mapFromGlobal(global))) return level;
    return nullptr;
}

void TvnPopupMenuWindow::HoverAt(QPoint global)
{
    const int index = ItemAt(m_layout, mapFromGlobal(global));
    const int hot = index != -1 && m_items[index].Selectable() ? index : -1;
    if (hot == -1 && m_subMenu) return; // keep the row whose sub-menu is open
    if (hot != m_selected) CloseSubMenu();
    Select(hot);
    if (hot != -1 && !m_items[hot].Items.empty() && !m_subMenu) OpenSubMenu(false);
}

void TvnPopupMenuWindow::mouseMoveEvent(QMouseEvent* e)
{
    // The innermost level has the mouse; a move over an outer level is that level's.
    const QPoint global = e->globalPosition().toPoint();
    if (TvnPopupMenuWindow* level = LevelAt(global)) level->HoverAt(global);
}

void TvnPopupMenuWindow::mousePressEvent(QMouseEvent* e)
{
    const QPoint global = e->globalPosition().toPoint();
    TvnPopupMenuWindow* level = LevelAt(global);
    if (!level) {
        m_engine.CloseMenus();
        return;
    }
    if (level != this) level->CloseSubMenu();
    level->HoverAt(global);
}

void TvnPopupMenuWindow::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint global = e->globalPosition().toPoint();
    TvnPopupMenuWindow* level = LevelAt(global);
    if (!level) return;
    const int index = ItemAt(level->m_layout, level->mapFromGlobal(global));
    if (index != -1 && level->m_items[index].Selectable() && level->m_items[index].Items.empty())
        level->Choose(index);
}

void TvnPopupMenuWindow::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    if (!m_parentMenu) m_engine.LevelHidden(this);
}

void TvnPopupMenuWindow::OpenSubMenu(bool selectFirst)
{
    if (m_selected == -1 || m_items[m_selected].Items.empty()) return;
    if (!m_subMenu) {
        const TvnMenuItems& items = m_items[m_selected].Items;
        auto* sub = new TvnPopupMenuWindow(m_engine, items, m_look, this);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        const QRect row = RowOnScreen(m_selected);
        const int firstTop = sub->Layout().Rows.empty() ? 0 : sub->Layout().Rows.front().y();
        sub->move(PlaceSubMenu(sub->size(), row, WorkAreaAt(row), firstTop));
        m_subMenu = sub;
        sub->show();
    }
    if (selectFirst) m_subMenu->Select(NextSelectable(m_subMenu->Items(), -1, 1));
}

void TvnPopupMenuWindow::CloseSubMenu()
{
    if (!m_subMenu) return;
    m_subMenu->CloseSubMenu();
    m_subMenu->close();
    m_subMenu = nullptr;
}

void TvnPopupMenuWindow::Choose(int index)
{
    if (index < 0 || index >= int(m_items.size()) || !m_items[index].Selectable()) return;
    Select(index);
    if (!m_items[index].Items.empty()) {
        OpenSubMenu(true);
        return;
    }
    m_engine.Chosen(m_items[index]);
}

} // namespace vnmenus

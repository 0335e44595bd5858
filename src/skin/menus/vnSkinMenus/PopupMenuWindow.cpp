#include "PopupMenuWindow.h"

#include "MenuEngine.h"
#include "platform/Keys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace vnmenus {

namespace {

// How often a menu scrolls a row while the pointer rests on a scroll marker.
constexpr int kScrollInterval = 100;

} // namespace

TvnPopupMenuWindow::TvnPopupMenuWindow(TvnMenuEngine& engine, const TvnMenuItems& items,
    std::shared_ptr<const TvnMenuLook> look, TvnPopupMenuWindow* parentMenu)
    : QWidget(parentMenu, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint)
    , m_engine(engine)
    , m_items(items)
    , m_look(std::move(look))
    , m_layout(LayoutMenu(*m_look, items, engine.Settings().MaxItemsInWindow))
    , m_parentMenu(parentMenu)
    , m_maxRows(engine.Settings().MaxItemsInWindow)
{
    m_scrollTimer.setInterval(kScrollInterval);
    connect(&m_scrollTimer, &QTimer::timeout, this, [this] {
        const TvnMenuLayout& l = m_layout;
        if (m_scrollStep < 0 ? !l.CanScrollUp : !l.CanScrollDown) {
            m_scrollTimer.stop();
            return;
        }
        ScrollBy(m_scrollStep);
    });
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
    if (index >= 0 && index < int(m_items.size()) && m_layout.Scrolls()) {
        const int top = TopShowing(m_items, m_maxRows, m_layout.Top, index);
        if (top != m_layout.Top) ShowFrom(top);
    }
    if (index == m_selected) return;
    m_selected = index;
    update();
}

void TvnPopupMenuWindow::ShowFrom(int top)
{
    // The open sub-menu lay beside a row that moves.
    CloseSubMenu();
    m_layout = LayoutMenu(*m_look, m_items, m_maxRows, top);
    update();
}

void TvnPopupMenuWindow::ScrollBy(int rows)
{
    if (!m_layout.Scrolls()) return;
    const int top = ScrolledTop(m_items, m_maxRows, m_layout.Top, rows);
    if (top == m_layout.Top) return;
    ShowFrom(top);
    if (m_selected == -1 || !m_layout.Rows[m_selected].isEmpty()) return;
    // The selection stays in sight: on the first selectable row shown when it went out
    // over the top, on the last when it went out under the bottom.
    const bool wentAbove = m_selected < m_layout.Top;
    int nearest = -1;
    for (int i = 0; i < int(m_items.size()); ++i) {
        if (m_layout.Rows[i].isEmpty() || !m_items[i].Selectable()) continue;
        nearest = i;
        if (wentAbove) break;
    }
    m_selected = nearest;
}

int TvnPopupMenuWindow::MarkerAt(QPoint local) const
{
    if (m_layout.UpMarker.contains(local)) return -1;
    if (m_layout.DownMarker.contains(local)) return 1;
    return 0;
}

QRect TvnPopupMenuWindow::RowOnScreen(int index) const
{
    if (index < 0 || index >= int(m_layout.Rows.size())) return {};
    return m_layout.Rows[index].translated(mapToGlobal(QPoint(0, 0)));
}

void TvnPopupMenuWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, DrawMenu({ m_look.get(), &m_layout, &m_items, m_selected, m_scrollStep }));
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
    // Resting on a scroll marker scrolls on until the pointer leaves it.
    const int step = MarkerAt(mapFromGlobal(global));
    if (step != m_scrollStep) {
        m_scrollStep = step;
        update();
        if (step != 0)
            m_scrollTimer.start();
        else
            m_scrollTimer.stop();
    }
    if (step != 0) return;
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
    if (const int step = level->MarkerAt(level->mapFromGlobal(global))) {
        level->ScrollBy(step);
        return;
    }
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

void TvnPopupMenuWindow::wheelEvent(QWheelEvent* e)
{
    // A row for each notch of the wheel.
    m_wheelAngle += e->angleDelta().y();
    const int rows = m_wheelAngle / 120;
    m_wheelAngle -= rows * 120;
    if (rows != 0) ScrollBy(-rows);
    e->accept();
}

void TvnPopupMenuWindow::leaveEvent(QEvent* e)
{
    QWidget::leaveEvent(e);
    if (m_scrollStep != 0) update();
    m_scrollStep = 0;
    m_scrollTimer.stop();
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
        int firstTop = 0;
        for (const QRect& r : sub->Layout().Rows)
            if (!r.isEmpty()) {
                firstTop = r.y();
                break;
            }
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

#include "PageControl.h"

#include "platform/Announce.h"
#include "platform/Keys.h"

#include <QChildEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TPageControl::TPageControl(QObject* owner)
    : TControl(owner)
{
    SetTabStop(true);
    setMouseTracking(true);
    SetBounds(0, 0, 289, 193);
}

TTabSheet* TPageControl::Page(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages[index].data() : nullptr;
}

int TPageControl::IndexOfPage(const TTabSheet* page) const
{
    for (int i = 0; i < m_pages.size(); ++i)
        if (m_pages[i] == page) return i;
    return -1;
}

void TPageControl::MovePage(TTabSheet* page, int index)
{
    const int from = IndexOfPage(page);
    if (from < 0) return;
    m_pages.move(from, std::clamp(index, 0, PageCount() - 1));
    TabsChanged();
}

int TPageControl::TabCount() const
{
    return static_cast<int>(std::count_if(
        m_pages.begin(), m_pages.end(), [](const QPointer<TTabSheet>& p) { return p && p->TabVisible(); }));
}

TTabSheet* TPageControl::TabPage(int tabIndex) const
{
    int tab = 0;
    for (const QPointer<TTabSheet>& page : m_pages) {
        if (!page || !page->TabVisible()) continue;
        if (tab++ == tabIndex) return page;
    }
    return nullptr;
}

int TPageControl::TabIndexOfPage(const TTabSheet* page) const
{
    if (!page || !page->TabVisible()) return -1;
    int tab = 0;
    for (const QPointer<TTabSheet>& p : m_pages) {
        if (p == page) return tab;
        if (p && p->TabVisible()) ++tab;
    }
    return -1;
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page && page->PageControl() != this) return;
    if (page == m_active) return;
    m_active = page;
    const int first = tabs::FirstVisibleFor(Row(), TabIndex());
    const bool scrolled = first != m_firstVisible;
    m_firstVisible = first;
    ShowActive();
    update();
    if (scrolled) TabRowChanged();
    announce::Selected(this, TabIndex());
}

void TPageControl::SetTabIndex(int tabIndex) { SetActivePage(TabPage(tabIndex)); }

void TPageControl::SetTabPosition(TTabPosition position)
{
    m_tabPosition = position;
    TabsChanged();
}

void TPageControl::SetTabHeight(int height)
{
    m_tabHeight = std::max(0, height);
    TabsChanged();
}

void TPageControl::SetTabWidth(int width)
{
    m_tabWidth = std::max(0, width);
    TabsChanged();
}

void TPageControl::SetFirstVisibleTab(int tabIndex)
{
    const int first = std::clamp(tabIndex, 0, std::max(0, TabCount() - 1));
    if (first == m_firstVisible) return;
    m_firstVisible = first;
    update();
    TabRowChanged();
}

tabs::TTabRow TPageControl::Row() const
{
    tabs::TTabRow row;
    row.Size = size();
    row.Position = m_tabPosition;
    row.TabHeight = TabRowHeight();
    for (int i = 0, n = TabCount(); i < n; ++i)
        row.Extents.append(TabExtent(i));
    row.FirstVisible = m_firstVisible;
    return row;
}

QList<QRect> TPageControl::TabRects() const
{
    QList<QRect> rects = tabs::TabRects(Row());
    for (int i = 0; i < rects.size(); ++i)
        AdjustTabRect(i, rects[i]);
    return rects;
}

QRect TPageControl::TabRect(int tabIndex) const
{
    const QList<QRect> rects = TabRects();
    return tabIndex >= 0 && tabIndex < rects.size() ? rects[tabIndex] : QRect();
}

QRect TPageControl::PageRect() const
{
    QRect page = tabs::PageRect(size(), m_tabPosition, TabRowHeight());
    AdjustPageRect(page);
    return page;
}

int TPageControl::TabAt(QPoint point) const { return tabs::TabAt(TabRects(), point); }

bool TPageControl::SelectTabByUser(int tabIndex)
{
    TTabSheet* page = TabPage(tabIndex);
    if (!page || page == m_active) return page != nullptr;
    if (!CanChange()) return false;
    SetActivePage(page);
    Change();
    return true;
}

void TPageControl::SelectNextPage(bool forward)
{
    const int count = TabCount();
    if (count == 0) return;
    const int current = TabIndex();
    const int next = current < 0 ? (forward ? 0 : count - 1) : (current + (forward ? 1 : count - 1)) % count;
    SelectTabByUser(next);
}

void TPageControl::TabsChanged()
{
    m_firstVisible = std::clamp(m_firstVisible, 0, std::max(0, TabCount() - 1));
    AlignControls();
    update();
    TabRowChanged();
}

void TPageControl::Loaded()
{
    TControl::Loaded();
    // Declared pages arrive one by one; without a declared active page the first tab is.
    if (!m_active) SetActivePage(TabPage(0));
    ShowActive();
}

int TPageControl::TabRowHeight() const
{
    return m_tabHeight > 0 ? m_tabHeight : QFontMetrics(font()).height() + 6;
}

int TPageControl::TabExtent(int tabIndex) const
{
    const TTabSheet* page = TabPage(tabIndex);
    return tabs::TabExtent(QFontMetrics(font()), page ? page->Caption() : QString(), m_tabWidth, 0);
}

void TPageControl::AdjustTabRect(int, QRect&) const { }

void TPageControl::AdjustPageRect(QRect&) const { }

void TPageControl::AdjustClientRect(QRect& rect) { rect = PageRect(); }

bool TPageControl::CanChange()
{
    bool allow = true;
    events::Fire(OnChanging, this, allow);
    return allow;
}

void TPageControl::Change() { events::Fire(OnChange, this); }

void TPageControl::HotTabChanged(int, int) { update(); }

void TPageControl::SetHotTab(int tab)
{
    if (tab == m_hotTab) return;
    const int previous = m_hotTab;
    m_hotTab = tab;
    HotTabChanged(previous, tab);
}

void TPageControl::PageAdded(TTabSheet* page)
{
    if (IndexOfPage(page) >= 0) return;
    m_pages.append(page);
    page->setVisible(false);
    if (!m_active && page->TabVisible()) m_active = page;
    ShowActive();
    TabsChanged();
}

void TPageControl::PageRemoved(QObject* page)
{
    // The page may be half destroyed: compare addresses only.
    const bool wasActive = m_active.data() == page || !m_active;
    m_pages.removeIf([page](const QPointer<TTabSheet>& p) { return !p || p.data() == page; });
    if (wasActive) {
        m_active = TabPage(0);
        ShowActive();
    }
    TabsChanged();
}

void TPageControl::ShowActive()
{
    for (const QPointer<TTabSheet>& page : m_pages)
        if (page) page->setVisible(page == m_active);
    AlignControls();
}

bool TPageControl::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::ChildAdded:
        if (auto* page = qobject_cast<TTabSheet*>(static_cast<QChildEvent*>(e)->child())) PageAdded(page);
        break;
    case QEvent::ChildRemoved: {
        QObject* child = static_cast<QChildEvent*>(e)->child();
        if (std::any_of(m_pages.begin(), m_pages.end(),
                [child](const QPointer<TTabSheet>& p) { return !p || p.data() == child; }))
            PageRemoved(child);
        break;
    }
    case QEvent::Leave:
        SetHotTab(-1);
        break;
    default:
        break;
    }
    return TControl::event(e);
}

void TPageControl::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return TControl::mousePressEvent(e);
    const int tab = TabAt(e->position().toPoint());
    if (tab < 0) return;
    setFocus(Qt::MouseFocusReason);
    SelectTabByUser(tab);
}

void TPageControl::mouseMoveEvent(QMouseEvent* e)
{
    SetHotTab(TabAt(e->position().toPoint()));
    TControl::mouseMoveEvent(e);
}

void TPageControl::keyPressEvent(QKeyEvent* e)
{
    // Ctrl+Tab arrives here from any control on a page that leaves it alone.
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (ctrl && (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)) {
        SelectNextPage(!(e->modifiers() & Qt::ShiftModifier) && e->key() == Qt::Key_Tab);
        return;
    }
    if (hasFocus() && !ctrl) {
        const bool vertical = m_tabPosition == tpLeft || m_tabPosition == tpRight;
        const int back = vertical ? Qt::Key_Up : Qt::Key_Left;
        const int ahead = vertical ? Qt::Key_Down : Qt::Key_Right;
        const int current = TabIndex();
        if (e->key() == back && current > 0) return void(SelectTabByUser(current - 1));
        if (e->key() == ahead && current + 1 < TabCount()) return void(SelectTabByUser(current + 1));
        if (e->key() == back || e->key() == ahead) return;
    }
    TControl::keyPressEvent(e);
}

void TPageControl::focusInEvent(QFocusEvent* e)
{
    TControl::focusInEvent(e);
    update();
}

void TPageControl::focusOutEvent(QFocusEvent* e)
{
    TControl::focusOutEvent(e);
    update();
}

TPageControlSnapshot TPageControl::Snapshot() const
{
    TPageControlSnapshot s;
    s.Bounds = rect();
    s.Position = m_tabPosition;
    s.Page = PageRect();
    s.Body = s.Page.adjusted(-tabs::kPageInset, -tabs::kPageInset, tabs::kPageInset, tabs::kPageInset);
    s.ActiveTab = TabIndex();
    s.Focused = hasFocus();
    s.Enabled = isEnabled();
    s.Color = Color();
    s.FontColor = Font()->Color();
    s.Font = font();
    const QList<QRect> rects = TabRects();
    for (int i = 0; i < rects.size(); ++i) {
        const TTabSheet* page = TabPage(i);
        s.Tabs.append({ rects[i], page->Caption(), page->ImageIndex(), i == s.ActiveTab, i == m_hotTab });
    }
    return s;
}

void TPageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintControl(painter, Snapshot());
}

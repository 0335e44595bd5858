// The skinned page control's close buttons: hot when the mouse is over the hot tab's
// button, pressed by the left button, closing the tab when released on it.
#include "SkinPageControl.h"
#include "framework/StoreChanged.h"

#include <QMouseEvent>
#include <QPainter>

void TvnSkinPageControl::SetHotClose(int tab)
{
    if (StoreChanged(m_hotClose, tab)) RepaintTabs();
}

bool TvnSkinPageControl::CloseTab(int tabIndex)
{
    TTabSheet* sheet = TabPage(tabIndex);
    if (!sheet) return false;
    bool canClose = true;
    events::Fire(OnClose, this, sheet, canClose);
    if (!canClose) return false;
    const bool wasActive = sheet == ActivePage();
    sheet->SetTabVisible(false);
    if (wasActive) {
        // The page beside the closed one takes its place, as if the user had chosen it.
        SetActivePage(TabPage(std::min(tabIndex, TabCount() - 1)));
        Change();
    }
    if (m_freeOnClose) delete sheet;
    m_hotClose = m_pressedClose = -1;
    events::Fire(OnAfterClose, this);
    update();
    return true;
}

void TvnSkinPageControl::mousePressEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    if (e->button() == Qt::LeftButton && m_showCloseButtons) {
        const int tab = TabAt(at);
        if (tab >= 0 && CloseButtonRect(tab).contains(at)) {
            m_pressedClose = tab;
            RepaintTabs();
            return;
        }
    }
    TPageControl::mousePressEvent(e);
}

void TvnSkinPageControl::mouseMoveEvent(QMouseEvent* e)
{
    TPageControl::mouseMoveEvent(e);
    if (!m_showCloseButtons) return;
    const QPoint at = e->position().toPoint();
    const int tab = HotTab();
    SetHotClose(tab >= 0 && CloseButtonRect(tab).contains(at) ? tab : -1);
}

void TvnSkinPageControl::mouseReleaseEvent(QMouseEvent* e)
{
    TPageControl::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton || m_pressedClose < 0) return;
    const int tab = m_pressedClose;
    const QPoint at = e->position().toPoint();
    if (CloseButtonRect(tab).contains(at) && CloseTab(tab)) return;
    m_pressedClose = -1;
    // A refused close with the mouse gone leaves the button at rest.
    if (!rect().contains(at)) m_hotClose = -1;
    RepaintTabs();
}

bool TvnSkinPageControl::event(QEvent* e)
{
    if (e->type() == QEvent::Leave && m_pressedClose < 0) SetHotClose(-1);
    const bool done = TPageControl::event(e);
    if (e->type() == QEvent::Resize) UpdateTabScroller();
    return done;
}

void TvnSkinPageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

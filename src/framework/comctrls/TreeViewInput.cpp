// The tree view's keyboard and mouse.
#include "TreeView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

void TTreeView::MoveSelection(int row)
{
    const QList<TTreeNode*>& rows = VisibleNodes();
    if (rows.isEmpty()) return;
    SetSelected(rows[std::clamp(row, 0, static_cast<int>(rows.size()) - 1)]);
}

void TTreeView::TypeAhead(QChar ch)
{
    if (!m_searchClock.isValid() || m_searchClock.elapsed() > m_searchTimeout) m_search.clear();
    m_searchClock.start();
    m_search += ch;
    // A longer text may still fit the selected node; one letter looks further on.
    TTreeNode* found = FindByPrefix(m_search, m_selected, m_search.size() > 1);
    const bool oneLetterRepeated = m_search.size() > 1 && m_search.count(m_search.front()) == m_search.size();
    if (!found && oneLetterRepeated) {
        m_search = QString(ch);
        found = FindByPrefix(m_search, m_selected, false);
    }
    if (found) SetSelected(found);
}

void TTreeView::keyPressEvent(QKeyEvent* e)
{
    const int row = RowOf(m_selected);
    const int page = VisibleRowCount();
    switch (e->key()) {
    case Qt::Key_Up:
        return MoveSelection(row < 0 ? 0 : row - 1);
    case Qt::Key_Down:
        return MoveSelection(row + 1);
    case Qt::Key_PageUp:
        return MoveSelection(row - page + 1);
    case Qt::Key_PageDown:
        return MoveSelection(row < 0 ? page - 1 : row + page - 1);
    case Qt::Key_Home:
        return MoveSelection(0);
    case Qt::Key_End:
        return MoveSelection(static_cast<int>(VisibleNodes().size()) - 1);
    case Qt::Key_Right:
        if (!m_selected) return MoveSelection(0);
        if (!m_selected->Expanded()) {
            SetNodeExpanded(m_selected, true);
            return;
        }
        if (m_selected->Count() > 0) SetSelected(m_selected->Item(0));
        return;
    case Qt::Key_Left:
        if (!m_selected) return MoveSelection(0);
        if (m_selected->Expanded()) {
            SetNodeExpanded(m_selected, false);
            return;
        }
        if (m_selected->Parent() != Root()) SetSelected(m_selected->Parent());
        return;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        // Only the keypad's signs open and close a node; the main keyboard's are letters
        // of folder names ("Casamento-Ana") and go to the search below.
        if (!(e->modifiers() & Qt::KeypadModifier)) break;
        if (m_selected) SetNodeExpanded(m_selected, e->key() == Qt::Key_Plus);
        return;
    default:
        break;
    }
    const QString text = e->text();
    if (!text.isEmpty() && text.at(0).isPrint()
        && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        TypeAhead(text.at(0));
        return;
    }
    TControl::keyPressEvent(e);
}

void TTreeView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) return TControl::mousePressEvent(e);
    setFocus(Qt::MouseFocusReason);
    const QPoint p = e->position().toPoint();
    TTreeNode* node = NodeAt(p);
    if (!node) return;
    const tree::THitPart part = HitTest(p);
    if (e->button() == Qt::LeftButton && part == tree::THitPart::Button && m_showButtons
        && node->HasChildren()) {
        SetNodeExpanded(node, !node->Expanded());
        return;
    }
    SetSelected(node);
}

void TTreeView::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return TControl::mouseDoubleClickEvent(e);
    const QPoint p = e->position().toPoint();
    TTreeNode* node = NodeAt(p);
    // The second press of a double click on an expander is one more toggle.
    if (node && HitTest(p) == tree::THitPart::Button && m_showButtons && node->HasChildren()) {
        SetNodeExpanded(node, !node->Expanded());
        return;
    }
    // Like the press before it, the double click selects what it hit first.
    if (node) SetSelected(node);
    events::Fire(OnDblClick, this);
    if (node && node->HasChildren()) SetNodeExpanded(node, !node->Expanded());
}

void TTreeView::wheelEvent(QWheelEvent* e)
{
    const int delta = e->angleDelta().y();
    if (delta == 0) return TControl::wheelEvent(e);
    SetTopRow(m_topRow + (delta < 0 ? 3 : -3));
}

void TTreeView::focusInEvent(QFocusEvent* e)
{
    TControl::focusInEvent(e);
    update();
}

void TTreeView::focusOutEvent(QFocusEvent* e)
{
    TControl::focusOutEvent(e);
    update();
}

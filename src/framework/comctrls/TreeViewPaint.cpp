// The tree view's painting: only the rows on screen, each from its snapshot, in system
// colours: a boxed plus or minus for the expander, the node's picture, its text, the
// selection highlighted (greyed without the focus, unless hidden then).
#include "TreeView.h"
#include "framework/Edges.h"
#include "framework/ImageList.h"

#include <QPaintEvent>
#include <QPainter>

TTreeRowPaint TTreeView::RowSnapshot(int row) const
{
    const tree::TRowLayout l = RowLayout();
    TTreeNode* node = VisibleNodes()[row];
    TTreeRowPaint r;
    r.Node = node;
    r.Row = row;
    r.Level = node->Level();
    r.Text = node->Text();
    r.RowRect = tree::RowRect(l, row);
    r.ButtonRect = tree::ButtonRect(l, row, r.Level);
    r.IconRect = tree::IconRect(l, row, r.Level);
    r.LabelRect = tree::LabelRect(l, row, r.Level, TextWidth(r.Text));
    r.HasButton = m_showButtons && node->HasChildren();
    r.Expanded = node->Expanded();
    r.Selected = node == m_selected && (hasFocus() || !m_hideSelection);
    r.Focused = node == m_selected && hasFocus();
    r.Icon = r.Expanded && !node->OpenIcon().isNull() ? node->OpenIcon() : node->Icon();
    r.ImageIndex
        = node == m_selected && node->SelectedIndex() >= 0 ? node->SelectedIndex() : node->ImageIndex();
    return r;
}

TTreePaint TTreeView::PaintSnapshot(const QRect& damaged) const
{
    TTreePaint s;
    s.Area = RowLayout().Area;
    const int rows = static_cast<int>(VisibleNodes().size());
    const int end = std::min(rows, m_topRow + VisibleRowCount() + 1);
    for (int row = m_topRow; row < end; ++row) {
        TTreeRowPaint snapshot = RowSnapshot(row);
        if (snapshot.RowRect.intersects(damaged)) s.Rows.append(std::move(snapshot));
    }
    return s;
}

void TTreeView::paintEvent(QPaintEvent* e)
{
    const TTreePaint s = PaintSnapshot(e->rect());
    QPainter painter(this);
    PaintBackground(painter, rect());
    painter.setClipRect(s.Area & e->rect());
    for (const TTreeRowPaint& row : s.Rows)
        PaintNode(painter, row);
}

void TTreeView::PaintBackground(QPainter& painter, const QRect& r)
{
    painter.fillRect(r, ToQColor(Color()));
    if (m_borderStyle != bsSingleBorder) return;
    DrawSunkenEdge(painter, r);
}

void TTreeView::PaintNode(QPainter& painter, const TTreeRowPaint& r)
{
    if (r.HasButton) {
        const QRect b = r.ButtonRect;
        painter.setPen(ToQColor(clr::clBtnShadow));
        painter.setBrush(ToQColor(clr::clWindow));
        painter.drawRect(b.adjusted(0, 0, -1, -1));
        painter.setPen(ToQColor(clr::clWindowText));
        const QPoint c = b.center();
        painter.drawLine(c.x() - 2, c.y(), c.x() + 2, c.y());
        if (!r.Expanded) painter.drawLine(c.x(), c.y() - 2, c.x(), c.y() + 2);
    }
    if (!r.Icon.isNull())
        r.Icon.paint(&painter, r.IconRect);
    else if (m_images)
        m_images->Draw(painter, r.IconRect.x(), r.IconRect.y(), r.ImageIndex, isEnabled());
    TColor text = isEnabled() ? Font()->Color() : clr::clGrayText;
    if (r.Selected) {
        painter.fillRect(r.LabelRect, ToQColor(r.Focused ? clr::clHighlight : clr::clBtnFace));
        if (r.Focused) text = clr::clHighlightText;
    }
    painter.setPen(ToQColor(text));
    painter.setFont(font());
    painter.drawText(r.LabelRect, Qt::AlignCenter | Qt::TextSingleLine, r.Text);
    if (r.Focused) {
        painter.setPen(QPen(ToQColor(clr::clHighlightText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.LabelRect.adjusted(0, 0, -1, -1));
    }
}

// Moving a column by dragging its title: a press on the title of a scrolling column
// (goColMoving) starts it, the drag shows a line where the column would go once the
// pointer has moved the framework's drag distance, and the release puts it there.
#include "CustomGrid.h"
#include "framework/Drag.h"

#include <QPalette>

namespace {
constexpr int kMarkerWidth = 3;
} // namespace

void TCustomGrid::PressColumnTitle(TGridCoord cell, QPoint point)
{
    m_move = {};
    if (!(m_options & goColMoving) || cell.Y < 0 || cell.Y >= m_rows.Fixed || cell.X < m_cols.Fixed) return;
    m_move.From = m_move.To = cell.X;
    m_move.Origin = point;
}

int TCustomGrid::ScrollingColumnToward(int x) const
{
    const QRect area = GridRect();
    const grid::TAxis cols = Cols();
    int last = -1;
    for (int col : grid::VisibleCells(cols)) {
        if (col < m_cols.Fixed) continue;
        const int start = grid::CellStart(cols, col);
        if (start < 0) continue;
        // Left of the first scrolling column counts as the first.
        if (x < area.x() + start + grid::CellSize(cols, col)) return col;
        last = col;
    }
    return last;
}

void TCustomGrid::DragColumnTitle(QPoint point)
{
    if (!m_move.Started) {
        const QPoint moved = point - m_move.Origin;
        if (std::abs(moved.x()) < drag::kDefaultThreshold && std::abs(moved.y()) < drag::kDefaultThreshold)
            return;
        m_move.Started = true;
        m_move.Marker = new QWidget(this);
        m_move.Marker->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_move.Marker->setAutoFillBackground(true);
        QPalette p = m_move.Marker->palette();
        p.setColor(QPalette::Window, ToQColor(clr::clHighlight));
        m_move.Marker->setPalette(p);
    }
    const int to = ScrollingColumnToward(point.x());
    if (to >= 0) m_move.To = to;
    const QRect area = GridRect();
    const int start = area.x() + grid::CellStart(Cols(), m_move.To);
    // The line stands on the side of the target the column will take.
    const int x = m_move.To > m_move.From ? start + ColWidth(m_move.To) : start;
    m_move.Marker->setGeometry(x - kMarkerWidth / 2, area.y(), kMarkerWidth, area.height());
    m_move.Marker->show();
    m_move.Marker->raise();
}

bool TCustomGrid::ReleaseColumnTitle()
{
    const TColumnMove move = m_move;
    m_move = {};
    delete move.Marker;
    if (!move.Started) return false;
    if (move.To != move.From) MoveColumn(move.From, move.To);
    return true;
}

void TCustomGrid::MoveColumn(int from, int to)
{
    while (m_cols.Sizes.size() <= std::max(from, to))
        m_cols.Sizes.append(m_cols.DefaultSize);
    m_cols.Sizes.move(from, to);
    // The current cell stays on its column.
    int current = m_current.X;
    if (current == from)
        current = to;
    else if (from < current && current <= to)
        --current;
    else if (to <= current && current < from)
        ++current;
    SetCurrentQuiet(current, m_current.Y);
    Reshape();
    ColumnMoved(from, to);
}

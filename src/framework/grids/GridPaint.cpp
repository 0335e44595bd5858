// The grid's painting: the background, every cell on screen (and only those), the grid
// lines, and the engine's own look in system colours.
#include "CustomGrid.h"
#include "framework/Edges.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

void TCustomGrid::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    DrawBackground(painter, rect());
    const QRect area = GridRect();
    painter.setClipRect(area & e->rect());
    const QList<int> cols = grid::VisibleCells(Cols()), rows = grid::VisibleCells(Rows());
    for (int row : rows) {
        for (int col : cols) {
            const QRect cell = CellRect(col, row);
            if (cell.isEmpty() || !cell.intersects(e->rect())) continue;
            const TGridDrawState state = CellState(col, row);
            DrawCell(painter, col, row, cell, state);
            if (m_defaultDrawing && (state & gdFocused) && !(m_options & goRowSelect)) {
                painter.setPen(QPen(ToQColor(clr::clWindowText), 1, Qt::DotLine));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(cell.adjusted(0, 0, -1, -1));
            }
        }
    }
    DrawGridLines(painter);
}

void TCustomGrid::DrawBackground(QPainter& painter, const QRect& r)
{
    painter.fillRect(r, ToQColor(Color()));
    if (m_borderStyle != bsSingleBorder) return;
    DrawSunkenEdge(painter, r);
}

void TCustomGrid::DrawGridLines(QPainter& painter)
{
    const grid::TAxis cols = Cols(), rows = Rows();
    const int width = std::max(cols.LineWidth, rows.LineWidth);
    if (width <= 0) return;
    const QRect area = GridRect();
    const int fixedBottom = area.y() + grid::FixedExtent(rows);
    const int fixedRight = area.x() + grid::FixedExtent(cols);
    // Where the cells end, so lines stop with them.
    auto end = [](const grid::TAxis& a, int origin) {
        int last = origin + grid::FixedExtent(a);
        for (int i = std::max(a.First, a.Fixed), e = grid::VisibleEnd(a); i < e; ++i)
            last += grid::CellSize(a, i) + a.LineWidth;
        return std::min(last, origin + a.Extent);
    };
    const int right = end(cols, area.x()), bottom = end(rows, area.y());
    const QColor color = ToQColor(GridLineColor());
    // A line follows each cell; fixed cells take the fixed-line options.
    for (int col : grid::VisibleCells(cols)) {
        const int start = grid::CellStart(cols, col);
        if (start < 0) continue;
        const int x = area.x() + start + grid::CellSize(cols, col);
        const bool fixed = col < cols.Fixed;
        if (m_options & goFixedVertLine) painter.fillRect(x, area.y(), width, fixedBottom - area.y(), color);
        if (m_options & (fixed ? goFixedVertLine : goVertLine))
            painter.fillRect(x, fixedBottom, width, bottom - fixedBottom, color);
    }
    for (int row : grid::VisibleCells(rows)) {
        const int start = grid::CellStart(rows, row);
        if (start < 0) continue;
        const int y = area.y() + start + grid::CellSize(rows, row);
        const bool fixed = row < rows.Fixed;
        if (m_options & goFixedHorzLine) painter.fillRect(area.x(), y, fixedRight - area.x(), width, color);
        if (m_options & (fixed ? goFixedHorzLine : goHorzLine))
            painter.fillRect(fixedRight, y, right - fixedRight, width, color);
    }
}

void TCustomGrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect, TGridDrawState state)
{
    if (m_defaultDrawing) DefaultDrawCell(painter, col, row, rect, state);
}

void TCustomGrid::DefaultDrawCell(QPainter& painter, int, int, const QRect& r, TGridDrawState state)
{
    if (state & gdFixed) {
        painter.fillRect(r, ToQColor(m_fixedColor));
        painter.setPen(ToQColor(clr::clBtnHighlight));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(ToQColor(clr::clBtnShadow));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        return;
    }
    const bool highlight
        = (state & gdSelected) && (!(state & gdFocused) || (m_options & (goDrawFocusSelected | goRowSelect)));
    painter.fillRect(r, ToQColor(highlight ? clr::clHighlight : Color()));
}

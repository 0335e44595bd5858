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
    const QColor color = ToQColor(GridLineColor());
    for (const QRect& line : grid::LineRects(Cols(), Rows(), GridRect(), m_options))
        painter.fillRect(line, color);
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

#include "DrawGrid.h"

#include <QPainter>

TDrawGrid::TDrawGrid(QObject* owner)
    : TCustomGrid(owner)
{
}

void TDrawGrid::RegisterEvents()
{
    events::RegisterEvent<QObject*, QPainter*, int, int, QRect, TGridDrawState>();
    events::RegisterEvent<QObject*, int, int, bool&>();
}

void TDrawGrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect, TGridDrawState state)
{
    TCustomGrid::DrawCell(painter, col, row, rect, state);
    if (!OnDrawCell) return;
    painter.save();
    OnDrawCell(this, &painter, col, row, rect, state);
    painter.restore();
}

bool TDrawGrid::SelectCell(int col, int row)
{
    bool can = true;
    events::Fire(OnSelectCell, this, col, row, can);
    return can;
}

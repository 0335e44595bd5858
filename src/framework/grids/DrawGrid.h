#pragma once
// The owner-drawn grid: the engine's cells handed to OnDrawCell after the default look,
// and OnSelectCell asked before the current cell moves.
#include "framework/grids/CustomGrid.h"

using TDrawCellEvent = TEvent<QObject* /*Sender*/, QPainter* /*Canvas*/, int /*ACol*/, int /*ARow*/,
    QRect /*Rect*/, TGridDrawState /*State*/>;
using TSelectCellEvent = TEvent<QObject* /*Sender*/, int /*ACol*/, int /*ARow*/, bool& /*CanSelect*/>;

Q_DECLARE_METATYPE(TDrawCellEvent)
Q_DECLARE_METATYPE(TSelectCellEvent)

class TDrawGrid : public TCustomGrid {
    Q_OBJECT
    Q_PROPERTY(TDrawCellEvent OnDrawCell MEMBER OnDrawCell)
    Q_PROPERTY(TSelectCellEvent OnSelectCell MEMBER OnSelectCell)
public:
    explicit TDrawGrid(QObject* owner = nullptr);

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;

    // Makes the grid's event types known to the declared-data loader.
    static void RegisterEvents();

protected:
    void DrawCell(QPainter& painter, int col, int row, const QRect& rect, TGridDrawState state) override;
    bool SelectCell(int col, int row) override;
};

#pragma once
// The cell grid: columns and rows, fixed ones at the top and left, a current cell, the
// selection (the current cell, or its whole row with goRowSelect), keyboard and mouse
// navigation, column sizing and moving with the mouse, and scrolling by whole rows and columns.
//
// It has no scroll bars of its own: it publishes its vertical and horizontal range,
// page and position (TScrollSource) and takes WM_VSCROLL / WM_HSCROLL back, so an
// external bar drives it and is driven by it. Painting visits only the rows and columns
// on screen, so its cost does not depend on the row count.
//
// A derived grid draws cells in DrawCell (the engine has drawn nothing there yet when
// DefaultDrawing is off), the background in DrawBackground and the lines in
// DrawGridLines; CellRect and MouseCoord are the geometry both painting and the mouse
// use. SelectCell may refuse a move; TopLeftChanged and SelectionChanged follow moves.
#include "framework/Control.h"
#include "framework/comctrls/ScrollInfo.h"
#include "framework/grids/GridGeometry.h"
#include "framework/grids/GridTypes.h"

class QPainter;

class TCustomGrid : public TControl, public TScrollSource {
    Q_OBJECT
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE SetGridLineWidth)
    Q_PROPERTY(gridtypes::TGridOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(uint FixedColor READ FixedColor WRITE SetFixedColor)
    Q_PROPERTY(bool DefaultDrawing READ DefaultDrawing WRITE SetDefaultDrawing)
    Q_PROPERTY(fw::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(TNotifyEvent OnDblClick MEMBER OnDblClick)
    Q_PROPERTY(TNotifyEvent OnClick MEMBER OnClick)
public:
    explicit TCustomGrid(QObject* owner = nullptr);

    int ColCount() const { return m_cols.Count; }
    void SetColCount(int count);
    int RowCount() const { return m_rows.Count; }
    void SetRowCount(int count);
    int FixedCols() const { return m_cols.Fixed; }
    void SetFixedCols(int count);
    int FixedRows() const { return m_rows.Fixed; }
    void SetFixedRows(int count);
    int DefaultColWidth() const { return m_cols.DefaultSize; }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return m_rows.DefaultSize; }
    void SetDefaultRowHeight(int height);
    int ColWidth(int col) const { return grid::CellSize(m_cols, col); }
    void SetColWidth(int col, int width);
    int RowHeight(int row) const { return grid::CellSize(m_rows, row); }
    void SetRowHeight(int row, int height);
    int GridLineWidth() const { return m_rows.LineWidth; }
    void SetGridLineWidth(int width);
    TGridOptions Options() const { return m_options; }
    void SetOptions(TGridOptions options);
    TColor FixedColor() const { return m_fixedColor; }
    void SetFixedColor(TColor color);
    bool DefaultDrawing() const { return m_defaultDrawing; }
    void SetDefaultDrawing(bool on);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);

    // The current cell. Setting it from code moves it like the user does (SelectCell
    // may refuse) and scrolls it into view.
    int Col() const { return m_current.X; }
    void SetCol(int col) { MoveCurrent(col, m_current.Y); }
    int Row() const { return m_current.Y; }
    void SetRow(int row) { MoveCurrent(m_current.X, row); }
    // Moves the current cell (clamped to the scrolling cells); false when refused.
    bool MoveCurrent(int col, int row);
    // The selected cells: the current cell, or its row from the first scrolling column.
    QRect Selection() const;

    int TopRow() const { return m_rows.First; }
    void SetTopRow(int row);
    int LeftCol() const { return m_cols.First; }
    void SetLeftCol(int col);
    int VisibleRowCount() const { return grid::FullyVisibleCount(Rows()); }
    int VisibleColCount() const { return grid::FullyVisibleCount(Cols()); }

    // Geometry in control coordinates: the rectangle of a cell (empty when it is out of
    // view) and the cell at a point ({-1, -1} when none).
    QRect CellRect(int col, int row) const;
    TGridCoord MouseCoord(QPoint point) const;
    // Where the cells lie: the control less its border.
    QRect GridRect() const;
    // The state a cell is drawn in now.
    TGridDrawState CellState(int col, int row) const;

    TNotifyEvent OnDblClick;
    TNotifyEvent OnClick;

    void WndProc(TMessage& message) override;
    // The cells follow a new size at once, also while the grid is hidden.
    void SetBounds(int left, int top, int width, int height) override;

protected:
    virtual void DrawCell(QPainter& painter, int col, int row, const QRect& rect, TGridDrawState state);
    virtual void DrawBackground(QPainter& painter, const QRect& rect);
    virtual void DrawGridLines(QPainter& painter);
    virtual TColor GridLineColor() const { return clr::clWindowText; }
    virtual bool SelectCell(int col, int row);
    virtual void TopLeftChanged() { }
    virtual void SelectionChanged() { }
    // Fills the cell in the engine's colours (fixed, selected, plain).
    void DefaultDrawCell(QPainter& painter, int col, int row, const QRect& rect, TGridDrawState state);
    // Tells the scroll listener where the grid stands; a grid whose bar follows something
    // else than its rows (the records of a data set) publishes that instead.
    virtual void PublishScroll();
    // After any change of shape (counts, sizes, options, the control's size).
    virtual void LayoutChanged() { }
    // Whether a press began sizing a column (until the release).
    bool Sizing() const { return m_sizingCol >= 0; }
    // The user dragged a column to a new width.
    virtual void ColumnSized(int col) { Q_UNUSED(col); }
    // Whether a title is being dragged to move its column (from the threshold on).
    bool MovingColumn() const { return m_move.Started; }
    // The user dragged column `from` to the place of column `to`; its width and the
    // current cell have moved with it.
    virtual void ColumnMoved(int from, int to)
    {
        Q_UNUSED(from);
        Q_UNUSED(to);
    }
    // The axes as the geometry functions take them: the room the control leaves, and no
    // room for lines where the options draw none.
    grid::TAxis Cols() const;
    grid::TAxis Rows() const;
    // Moves the current cell without asking SelectCell, keeping the view as it is.
    void SetCurrentQuiet(int col, int row);

    void Scrolled(TScrollBarKind kind, int code, int position) override;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    grid::TAxis m_cols;
    grid::TAxis m_rows;
    TGridCoord m_current;
    TGridOptions m_options;
    TColor m_fixedColor = clr::clBtnFace;
    bool m_defaultDrawing = true;
    TBorderStyle m_borderStyle = bsSingleBorder;
    int m_sizingCol = -1;
    int m_sizingOrigin = 0;
    // A press on the title of a scrolling column with goColMoving, until the release.
    struct TColumnMove {
        int From = -1;
        int To = -1;
        QPoint Origin;
        bool Started = false;
        // The line that shows where the column will go.
        QWidget* Marker = nullptr;
    } m_move;

    // Keeps counts, fixed cells, the current cell and the scroll position consistent
    // after any change of shape, then repaints and publishes the scroll state.
    void Reshape();
    // The column whose right line is under `point` in the fixed rows, or -1.
    int SizingColumnAt(QPoint point) const;
    // Column moving (GridColumnMove.cpp).
    void PressColumnTitle(TGridCoord cell, QPoint point);
    void DragColumnTitle(QPoint point);
    // Ends the move; true when the title was dragged (the release is no click).
    bool ReleaseColumnTitle();
    int ScrollingColumnToward(int x) const;
    void MoveColumn(int from, int to);
};

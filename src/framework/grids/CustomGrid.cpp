#include "CustomGrid.h"

#include "framework/StoreChanged.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace {
// How close to a column's line the mouse must be to size the column.
constexpr int kSizingSlack = 2;
constexpr int kBorder = 2;
} // namespace

TCustomGrid::TCustomGrid(QObject* owner)
    : TControl(owner)
{
    m_cols = { 5, 1, 64, {}, 1, 1, 0 };
    m_rows = { 5, 1, 24, {}, 1, 1, 0 };
    m_current = { 1, 1 };
    m_options
        = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect | goAlwaysShowSelection;
    SetColor(clr::clWindow);
    SetParentColor(false);
    SetTabStop(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetBounds(0, 0, 320, 120);
}

void TCustomGrid::SetColCount(int count)
{
    m_cols.Count = std::max(0, count);
    Reshape();
}

void TCustomGrid::SetRowCount(int count)
{
    m_rows.Count = std::max(0, count);
    Reshape();
}

void TCustomGrid::SetFixedCols(int count)
{
    m_cols.Fixed = std::max(0, count);
    Reshape();
}

void TCustomGrid::SetFixedRows(int count)
{
    m_rows.Fixed = std::max(0, count);
    Reshape();
}

void TCustomGrid::SetDefaultColWidth(int width)
{
    m_cols.DefaultSize = std::max(0, width);
    m_cols.Sizes.clear();
    Reshape();
}

void TCustomGrid::SetDefaultRowHeight(int height)
{
    m_rows.DefaultSize = std::max(0, height);
    m_rows.Sizes.clear();
    Reshape();
}

namespace {
void SetSize(grid::TAxis& axis, int index, int size)
{
    if (index < 0 || index >= axis.Count) return;
    while (axis.Sizes.size() <= index)
        axis.Sizes.append(axis.DefaultSize);
    axis.Sizes[index] = std::max(0, size);
}
} // namespace

void TCustomGrid::SetColWidth(int col, int width)
{
    SetSize(m_cols, col, width);
    Reshape();
}

void TCustomGrid::SetRowHeight(int row, int height)
{
    SetSize(m_rows, row, height);
    Reshape();
}

void TCustomGrid::SetGridLineWidth(int width)
{
    m_cols.LineWidth = m_rows.LineWidth = std::max(0, width);
    Reshape();
}

void TCustomGrid::SetOptions(TGridOptions options)
{
    m_options = options;
    Reshape();
}

void TCustomGrid::SetFixedColor(TColor color)
{
    if (StoreChanged(m_fixedColor, color)) update();
}

void TCustomGrid::SetDefaultDrawing(bool on)
{
    if (StoreChanged(m_defaultDrawing, on)) update();
}

void TCustomGrid::SetBorderStyle(TBorderStyle style)
{
    m_borderStyle = style;
    Reshape();
}

QRect TCustomGrid::GridRect() const
{
    const int b = m_borderStyle == bsSingleBorder ? kBorder : 0;
    return rect().adjusted(b, b, -b, -b);
}

grid::TAxis TCustomGrid::Cols() const
{
    grid::TAxis a = m_cols;
    a.Extent = GridRect().width();
    if (!(m_options & (goVertLine | goFixedVertLine))) a.LineWidth = 0;
    return a;
}

grid::TAxis TCustomGrid::Rows() const
{
    grid::TAxis a = m_rows;
    a.Extent = GridRect().height();
    if (!(m_options & (goHorzLine | goFixedHorzLine))) a.LineWidth = 0;
    return a;
}

void TCustomGrid::Reshape()
{
    m_cols.Fixed = std::min(m_cols.Fixed, m_cols.Count);
    m_rows.Fixed = std::min(m_rows.Fixed, m_rows.Count);
    m_cols.Sizes.resize(std::min<qsizetype>(m_cols.Sizes.size(), m_cols.Count));
    m_rows.Sizes.resize(std::min<qsizetype>(m_rows.Sizes.size(), m_rows.Count));
    m_cols.First = std::clamp(m_cols.First, m_cols.Fixed, grid::MaxFirst(Cols()));
    m_rows.First = std::clamp(m_rows.First, m_rows.Fixed, grid::MaxFirst(Rows()));
    const bool cells = m_cols.Count > m_cols.Fixed && m_rows.Count > m_rows.Fixed;
    m_current = cells ? TGridCoord { std::clamp(m_current.X, m_cols.Fixed, m_cols.Count - 1),
        std::clamp(m_current.Y, m_rows.Fixed, m_rows.Count - 1) }
                      : TGridCoord {};
    update();
    LayoutChanged();
    PublishScroll();
}

void TCustomGrid::SetCurrentQuiet(int col, int row)
{
    if (m_cols.Count <= m_cols.Fixed || m_rows.Count <= m_rows.Fixed) return;
    const TGridCoord target { std::clamp(col, m_cols.Fixed, m_cols.Count - 1),
        std::clamp(row, m_rows.Fixed, m_rows.Count - 1) };
    if (target == m_current) return;
    m_current = target;
    SelectionChanged();
    update();
}

void TCustomGrid::PublishScroll()
{
    const grid::TAxis rows = Rows(), cols = Cols();
    PublishScrollInfo(sbVertical,
        { 0, std::max(0, rows.Count - rows.Fixed - 1), grid::FullyVisibleCount(rows),
            rows.First - rows.Fixed });
    PublishScrollInfo(sbHorizontal,
        { 0, std::max(0, cols.Count - cols.Fixed - 1), grid::FullyVisibleCount(cols),
            cols.First - cols.Fixed });
}

bool TCustomGrid::MoveCurrent(int col, int row)
{
    if (m_cols.Count <= m_cols.Fixed || m_rows.Count <= m_rows.Fixed) return false;
    col = std::clamp(col, m_cols.Fixed, m_cols.Count - 1);
    row = std::clamp(row, m_rows.Fixed, m_rows.Count - 1);
    const TGridCoord target { col, row };
    if (target != m_current) {
        if (!SelectCell(col, row)) return false;
        m_current = target;
        SelectionChanged();
        update();
    }
    const int left = grid::FirstToShow(Cols(), col);
    const int top = grid::FirstToShow(Rows(), row);
    if (!(m_options & goRowSelect)) SetLeftCol(left);
    SetTopRow(top);
    return true;
}

QRect TCustomGrid::Selection() const
{
    if (m_current.Y < 0) return {};
    if (m_options & goRowSelect)
        return QRect(QPoint(m_cols.Fixed, m_current.Y), QPoint(m_cols.Count - 1, m_current.Y));
    return QRect(m_current.X, m_current.Y, 1, 1);
}

void TCustomGrid::SetTopRow(int row)
{
    row = std::clamp(row, m_rows.Fixed, grid::MaxFirst(Rows()));
    if (row == m_rows.First) return;
    m_rows.First = row;
    TopLeftChanged();
    update();
    PublishScroll();
}

void TCustomGrid::SetLeftCol(int col)
{
    col = std::clamp(col, m_cols.Fixed, grid::MaxFirst(Cols()));
    if (col == m_cols.First) return;
    m_cols.First = col;
    TopLeftChanged();
    update();
    PublishScroll();
}

QRect TCustomGrid::CellRect(int col, int row) const
{
    const grid::TAxis cols = Cols(), rows = Rows();
    const int x = grid::CellStart(cols, col), y = grid::CellStart(rows, row);
    if (x < 0 || y < 0) return {};
    const QRect area = GridRect();
    return QRect(area.x() + x, area.y() + y, grid::CellSize(cols, col), grid::CellSize(rows, row));
}

TGridCoord TCustomGrid::MouseCoord(QPoint point) const
{
    const QRect area = GridRect();
    const int col = grid::CellAt(Cols(), point.x() - area.x());
    const int row = grid::CellAt(Rows(), point.y() - area.y());
    if (col < 0 || row < 0) return {};
    return { col, row };
}

TGridDrawState TCustomGrid::CellState(int col, int row) const
{
    TGridDrawState state;
    if (col < m_cols.Fixed || row < m_rows.Fixed) return gdFixed;
    const bool shown = hasFocus() || (m_options & goAlwaysShowSelection);
    if (shown && Selection().contains(col, row)) state |= gdSelected;
    if (hasFocus() && TGridCoord { col, row } == m_current) state |= gdFocused;
    return state;
}

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::WndProc(TMessage& m)
{
    if (HandleScrollMessage(m)) return;
    TControl::WndProc(m);
}

void TCustomGrid::Scrolled(TScrollBarKind kind, int code, int position)
{
    // Positions count from the first scrolling cell, as the published state does.
    if (kind == sbVertical) {
        const int fixed = FixedRows();
        SetTopRow(fixed
            + ScrollTarget(code, position, TopRow() - fixed, 1, std::max(1, VisibleRowCount()), 0,
                grid::MaxFirst(Rows()) - fixed));
    } else {
        const int fixed = FixedCols();
        SetLeftCol(fixed
            + ScrollTarget(code, position, LeftCol() - fixed, 1, std::max(1, VisibleColCount()), 0,
                grid::MaxFirst(Cols()) - fixed));
    }
}

void TCustomGrid::SetBounds(int left, int top, int width, int height)
{
    const QSize before = size();
    TControl::SetBounds(left, top, width, height);
    // A visible grid reshapes in its resize event; a hidden one hears of its size only
    // when shown, and its rows must fit before that.
    if (size() != before && !testAttribute(Qt::WA_WState_Visible)) Reshape();
}

void TCustomGrid::resizeEvent(QResizeEvent* e)
{
    TControl::resizeEvent(e);
    Reshape();
}

int TCustomGrid::SizingColumnAt(QPoint point) const
{
    if (!(m_options & goColSizing)) return -1;
    const QRect area = GridRect();
    const grid::TAxis cols = Cols(), rows = Rows();
    if (rows.Fixed > 0 && point.y() - area.y() >= grid::FixedExtent(rows)) return -1;
    for (int col : grid::VisibleCells(cols)) {
        const int start = grid::CellStart(cols, col);
        if (start < 0) continue;
        const int line = area.x() + start + grid::CellSize(cols, col);
        if (std::abs(point.x() - line) <= kSizingSlack) return col;
    }
    return -1;
}

void TCustomGrid::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return TControl::mousePressEvent(e);
    setFocus(Qt::MouseFocusReason);
    const QPoint p = e->position().toPoint();
    m_sizingCol = SizingColumnAt(p);
    if (m_sizingCol >= 0) {
        m_sizingOrigin = GridRect().x() + grid::CellStart(Cols(), m_sizingCol);
        return;
    }
    const TGridCoord cell = MouseCoord(p);
    PressColumnTitle(cell, p);
    if (cell.X >= m_cols.Fixed && cell.Y >= m_rows.Fixed) MoveCurrent(cell.X, cell.Y);
}

void TCustomGrid::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (m_sizingCol >= 0 && (e->buttons() & Qt::LeftButton)) {
        SetColWidth(m_sizingCol, p.x() - m_sizingOrigin);
        ColumnSized(m_sizingCol);
        return;
    }
    if (m_move.From >= 0 && (e->buttons() & Qt::LeftButton)) {
        DragColumnTitle(p);
        return;
    }
    setCursor(SizingColumnAt(p) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
    TControl::mouseMoveEvent(e);
}

void TCustomGrid::mouseReleaseEvent(QMouseEvent* e)
{
    const bool moved = e->button() == Qt::LeftButton && ReleaseColumnTitle();
    if (e->button() == Qt::LeftButton && m_sizingCol < 0 && !moved) {
        const TGridCoord cell = MouseCoord(e->position().toPoint());
        if (cell.Y >= 0) events::Fire(OnClick, this);
    }
    m_sizingCol = -1;
    TControl::mouseReleaseEvent(e);
}

void TCustomGrid::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return TControl::mouseDoubleClickEvent(e);
    // The press before it already moved the current cell; this one makes sure the
    // handler sees the cell that was clicked even when the first press was refused.
    const TGridCoord cell = MouseCoord(e->position().toPoint());
    if (cell.X >= m_cols.Fixed && cell.Y >= m_rows.Fixed) MoveCurrent(cell.X, cell.Y);
    events::Fire(OnDblClick, this);
}

void TCustomGrid::keyPressEvent(QKeyEvent* e)
{
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool rowSelect = m_options & goRowSelect;
    const int page = std::max(1, VisibleRowCount());
    int col = m_current.X, row = m_current.Y;
    const int lastCol = m_cols.Count - 1, lastRow = m_rows.Count - 1;
    switch (e->key()) {
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Left:
        if (rowSelect) return SetLeftCol(LeftCol() - 1);
        --col;
        break;
    case Qt::Key_Right:
        if (rowSelect) return SetLeftCol(LeftCol() + 1);
        ++col;
        break;
    case Qt::Key_PageUp:
        row -= page;
        SetTopRow(TopRow() - page);
        break;
    case Qt::Key_PageDown:
        row += page;
        SetTopRow(TopRow() + page);
        break;
    case Qt::Key_Home:
        if (ctrl || rowSelect) row = m_rows.Fixed;
        if (ctrl || !rowSelect) col = m_cols.Fixed;
        break;
    case Qt::Key_End:
        if (ctrl || rowSelect) row = lastRow;
        if (ctrl || !rowSelect) col = lastCol;
        break;
    default:
        return TControl::keyPressEvent(e);
    }
    MoveCurrent(col, row);
}

void TCustomGrid::wheelEvent(QWheelEvent* e)
{
    const int delta = e->angleDelta().y();
    if (delta == 0) return TControl::wheelEvent(e);
    MoveCurrent(m_current.X, m_current.Y + (delta < 0 ? 1 : -1));
}

void TCustomGrid::focusInEvent(QFocusEvent* e)
{
    TControl::focusInEvent(e);
    update();
}

void TCustomGrid::focusOutEvent(QFocusEvent* e)
{
    TControl::focusOutEvent(e);
    update();
}

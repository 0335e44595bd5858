#pragma once
// Where the panels of a control grid lie, and the arithmetic of its scrolling, as pure
// functions: painting, hit testing, sizing and the keys all read the layout from here.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace vndb {

enum class TvnGridOrientation { Vertical, Horizontal };

struct TvnGridLayout {
    int ColCount = 1;
    int RowCount = 3;
    int PanelWidth = 200;
    int PanelHeight = 72;
    TvnGridOrientation Orientation = TvnGridOrientation::Vertical;

    int PanelCount() const { return ColCount * RowCount; }
    bool Vertical() const { return Orientation == TvnGridOrientation::Vertical; }
};

inline constexpr int kMaxCount = 100;
inline constexpr int kMaxPanelSize = 65535;
inline constexpr int kScrollBarThickness = 19;

int ClampCount(int count);
int ClampPanelSize(int size);

// Panel `index`: vertical grids fill a row left to right, horizontal ones a column top
// to bottom.
QRect PanelRect(const TvnGridLayout& layout, int index);
// The panel holding `point`, or -1 outside every panel.
int PanelAt(const TvnGridLayout& layout, QPoint point);
// The grid's size for its panels, with the scroll bar of `barThickness` on the side
// the records scroll along.
QSize FittedSize(const TvnGridLayout& layout, int barThickness);
// The panel size a grid of `size` gives (at least 1 by 1).
QSize PanelSizeFor(const TvnGridLayout& layout, QSize size, int barThickness);
// Where the scroll bar lies in a grid of `size`.
QRect ScrollBarRect(const TvnGridLayout& layout, QSize size, int barThickness);

// Steps between neighbouring panels in record terms.
int StepAcross(const TvnGridLayout& layout);
int StepDown(const TvnGridLayout& layout);

// The correction that keeps whole rows (columns) together after the records moved past
// the buffer: `panelAfter` is the panel the move aimed at (CurrentPanel + distance).
int AlignmentMove(const TvnGridLayout& layout, int panelAfter, int distance);

// The scroll bar's range for a data set of `recordCount` rows with row `recNo`
// (1-based) current.
struct TvnGridScrollRange {
    int Min = 0;
    int Max = 0;
    int PageSize = 0;
    int Position = 0;
    bool operator==(const TvnGridScrollRange&) const = default;
};
TvnGridScrollRange ScrollRangeFor(const TvnGridLayout& layout, int recordCount, int recNo);

} // namespace vndb

#pragma once
// Where a tree view's rows and their parts lie: pure functions of the row height, the
// indent per level, the image size and the scroll offsets. Painting and hit testing both
// read these.
#include <QRect>

namespace tree {

struct TRowLayout {
    // The area rows are drawn in.
    QRect Area;
    int ItemHeight = 18;
    int Indent = 19;
    // Room for a node's picture (0: none).
    int ImageWidth = 16;
    // The first row shown and the horizontal scroll in pixels.
    int TopRow = 0;
    int HorzOffset = 0;
};

// What a point on a row is over.
enum class THitPart { Nowhere, Indent, Button, Icon, Label, Right };

// The row at a vertical position (row numbers count from the first row of the tree),
// or -1 above or below the rows.
int RowAt(const TRowLayout& layout, int y, int rowCount);
QRect RowRect(const TRowLayout& layout, int row);
// The expander of a node at `level`, the picture after it and the text after that.
QRect ButtonRect(const TRowLayout& layout, int row, int level);
QRect IconRect(const TRowLayout& layout, int row, int level);
QRect LabelRect(const TRowLayout& layout, int row, int level, int textWidth);
THitPart HitPart(const TRowLayout& layout, QPoint point, int row, int level, int textWidth);
// The rows that fit wholly, at least 1.
int FullyVisibleRows(const TRowLayout& layout);
// The right end of a row's text, scrolled or not: the tree's horizontal extent.
int ContentRight(const TRowLayout& layout, int level, int textWidth);

} // namespace tree

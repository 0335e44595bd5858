#pragma once
// A picture of the skin being filled with looks: each look gets the next free place in
// rows from left to right (or a place of its own), and the finished picture is cut to
// what was used.
#include <QImage>
#include <QRect>
#include <QRgb>

namespace art {

class TSheet {
public:
    // Rows are filled up to `rowWidth` (the whole width when 0); places fixed by the
    // skin's geometry may lie beyond it.
    TSheet(int width, QRgb background, int gap = 2, int rowWidth = 0);

    QImage& Image() { return m_image; }
    // The next free place of `size` in the current row, or at the start of a new one.
    QRect Place(QSize size);
    // A place fixed by the skin's geometry; rows placed later start below it only when
    // they would overlap it.
    QRect PlaceAt(QPoint topLeft, QSize size);
    // Starts a new row for the next place.
    void NextRow();
    // The picture cut to the places given out.
    QImage Finished() const;

private:
    QImage m_image;
    int m_gap;
    int m_rowWidth;
    int m_x = 0;
    int m_rowTop = 0;
    int m_rowBottom = 0;
    int m_usedRight = 0;
    int m_usedBottom = 0;
};

} // namespace art

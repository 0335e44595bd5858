#include "Sheet.h"

#include <algorithm>
#include <stdexcept>

namespace art {

namespace {
constexpr int kMaxHeight = 1024;
} // namespace

TSheet::TSheet(int width, QRgb background, int gap, int rowWidth)
    : m_image(width, kMaxHeight, QImage::Format_RGB32)
    , m_gap(gap)
    , m_rowWidth(rowWidth > 0 ? rowWidth : width)
{
    m_image.fill(QColor(background));
}

QRect TSheet::Place(QSize size)
{
    if (m_x > 0 && m_x + size.width() > m_rowWidth) NextRow();
    const QRect place(QPoint(m_x, m_rowTop), size);
    if (place.y() + place.height() > kMaxHeight) throw std::runtime_error("a picture of the skin is full");
    m_x += size.width() + m_gap;
    m_rowBottom = std::max(m_rowBottom, place.y() + place.height());
    m_usedRight = std::max(m_usedRight, place.x() + place.width());
    m_usedBottom = std::max(m_usedBottom, m_rowBottom);
    return place;
}

QRect TSheet::PlaceAt(QPoint topLeft, QSize size)
{
    const QRect place(topLeft, size);
    m_usedRight = std::max(m_usedRight, place.x() + place.width());
    m_usedBottom = std::max(m_usedBottom, place.y() + place.height());
    return place;
}

void TSheet::NextRow()
{
    if (m_x == 0) return;
    m_rowTop = m_rowBottom + m_gap;
    m_x = 0;
}

QImage TSheet::Finished() const { return m_image.copy(0, 0, m_usedRight, m_usedBottom); }

} // namespace art

#include "FBitmap.h"

#include "PixelParts.h"

TvnFBitmap::TvnFBitmap(const QImage& source)
    : m_image(vnutils::As32Bit(source))
{
    m_rows.reserve(m_image.height());
    for (int y = 0; y < m_image.height(); ++y)
        m_rows.push_back(reinterpret_cast<const quint32*>(m_image.constScanLine(y)));
}

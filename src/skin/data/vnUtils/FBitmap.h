#pragma once
// TvnFBitmap: a picture as rows of 32-bit pixels (blue, green, red, unused byte in
// memory order) reached through a table of row pointers. Mask scans read it without
// any per-pixel call.
#include <QImage>
#include <QtGlobal>
#include <vector>

class TvnFBitmap {
public:
    // Takes the pixels of `source` (converted when it is not 32-bit already).
    explicit TvnFBitmap(const QImage& source);

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    const quint32* Row(int y) const { return m_rows[y]; }

    // Blue, green and red all 0.
    static bool IsBlack(quint32 pixel) { return (pixel & 0x00FFFFFFu) == 0; }

private:
    QImage m_image;
    std::vector<const quint32*> m_rows;
};

#include "ImageList.h"

#include <QPainter>

TImageList::TImageList(QObject* owner)
    : TComponent(owner)
{
}

int TImageList::Add(const QImage& image, QRgb transparent, bool useTransparent)
{
    QImage picture = image.convertToFormat(QImage::Format_ARGB32);
    if (picture.size() != QSize(m_width, m_height)) picture = picture.scaled(m_width, m_height);
    if (useTransparent) {
        for (int y = 0; y < picture.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                if ((row[x] & 0x00FFFFFFu) == (transparent & 0x00FFFFFFu)) row[x] = 0;
        }
    }
    m_images.append(picture);
    return Count() - 1;
}

QImage TImageList::Greyed(const QImage& image)
{
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            // Half-way from the pixel's grey value to white.
            const int g = (qGray(row[x]) + 255) / 2;
            row[x] = qRgba(g, g, g, qAlpha(row[x]));
        }
    }
    return grey;
}

void TImageList::Draw(QPainter& painter, int x, int y, int index, bool enabled) const
{
    if (index < 0 || index >= Count()) return;
    painter.drawImage(x, y, enabled ? m_images[index] : Greyed(m_images[index]));
}

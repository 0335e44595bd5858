#include "BmpWriter.h"

#include <QtEndian>

namespace art {

namespace {

void Put16(QByteArray& out, quint16 v)
{
    char bytes[2];
    qToLittleEndian(v, bytes);
    out.append(bytes, 2);
}

void Put32(QByteArray& out, quint32 v)
{
    char bytes[4];
    qToLittleEndian(v, bytes);
    out.append(bytes, 4);
}

// File header and info header for a bottom-up bitmap.
QByteArray Headers(const QImage& image, int bitsPerPixel, int stride, int colours)
{
    const quint32 offBits = 14 + 40 + 4 * colours;
    const quint32 pixelBytes = stride * image.height();
    QByteArray out;
    out.append("BM", 2);
    Put32(out, offBits + pixelBytes);
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, 40);
    Put32(out, image.width());
    Put32(out, image.height());
    Put16(out, 1);
    Put16(out, bitsPerPixel);
    Put32(out, 0); // no compression
    Put32(out, pixelBytes);
    Put32(out, 2835); // 72 dots per inch
    Put32(out, 2835);
    Put32(out, colours);
    Put32(out, 0);
    return out;
}

} // namespace

QByteArray Bmp24(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int stride = (rgb.width() * 3 + 3) & ~3;
    QByteArray out = Headers(rgb, 24, stride, 0);
    QByteArray row(stride, '\0');
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            row[3 * x] = char(qBlue(line[x]));
            row[3 * x + 1] = char(qGreen(line[x]));
            row[3 * x + 2] = char(qRed(line[x]));
        }
        out.append(row);
    }
    return out;
}

QByteArray Bmp1(const QImage& mask)
{
    const QImage rgb = mask.convertToFormat(QImage::Format_RGB32);
    const int stride = ((rgb.width() + 31) / 32) * 4;
    QByteArray out = Headers(rgb, 1, stride, 2);
    Put32(out, 0x000000);
    Put32(out, 0xFFFFFF);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (qGray(line[x]) >= 128) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

} // namespace art

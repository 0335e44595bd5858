#pragma once
// Small computed pictures for the composition tests. A "coordinate picture" tells, in
// every pixel, where in the picture it sits: red = x, green = y, blue = a hash of both.
// After a composition each target pixel then names its source pixel, and the blue
// channel proves it is a genuine source pixel rather than anything else.
#include <QImage>
#include <QRgb>
#include <random>

namespace testimg {

inline int Hash(int x, int y) { return (x * 73 + y * 151 + 29) & 0xFF; }

inline QImage CoordinatePicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x, y, Hash(x, y)));
    return image;
}

inline QImage NoisePicture(int w, int h, std::mt19937& random)
{
    QImage image(w, h, QImage::Format_RGB32);
    std::uniform_int_distribution<int> channel(0, 255);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(channel(random), channel(random), channel(random)));
    return image;
}

inline QImage Filled(int w, int h, QRgb color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

inline QImage Transposed(const QImage& image)
{
    QImage out(image.height(), image.width(), image.format());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.setPixel(y, x, image.pixel(x, y));
    return out;
}

// The part of `image` inside `r` as its own picture.
inline QImage Part(const QImage& image, const QRect& r) { return image.copy(r); }

inline int Red(const QImage& image, int x, int y) { return qRed(image.pixel(x, y)); }
inline int Green(const QImage& image, int x, int y) { return qGreen(image.pixel(x, y)); }

} // namespace testimg

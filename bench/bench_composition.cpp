// Composition, frame strips, mask regions and effects, each beside a baseline measured in
// the same run: Qt's qDrawBorderPixmap with the matching tile rules for the nine parts,
// Qt's region of a bitmap for masks, and a plain copy of the same pixels (the memory
// bandwidth floor) for strips and effects. The nine parts are also set beside a memset of
// their target, the floor of writing every pixel.
//
//   build/bench/bench_composition [--benchmark_format=json]
#include "QtBenchMain.h"
#include "skin/data/vnUtils/FrameStrips.h"
#include "skin/data/vnUtils/MaskRegion.h"
#include "skin/data/vnUtils/NinePart.h"
#include "skin/data/vneffects/EffectBmp.h"

#include <QApplication>
#include <QBitmap>
#include <QPainter>
#include <QPixmap>
#include <benchmark/benchmark.h>
#include <cstring>
#include <qdrawutil.h>
#include <random>
#include <string>

using namespace vnutils;

namespace {

// The form skin of the studio: a 215 x 149 picture cut at its client rectangle
// 8, 24, 207, 145, so that Qt's margins describe the same nine parts.
const QRect kSkinRect(0, 0, 215, 149);
const QMargins kMargins(8, 24, 8, 4);

QImage Noise(int w, int h)
{
    std::mt19937 random(1);
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = 0xFF000000u | (random() & 0xFFFFFFu);
    }
    return image;
}

const QImage& SkinPicture()
{
    static const QImage picture = Noise(kSkinRect.width(), kSkinRect.height());
    return picture;
}

TvnNinePart FormParts(bool stretch)
{
    TvnNinePart p;
    p.SkinRect = kSkinRect;
    const int l = kMargins.left(), t = kMargins.top();
    const int r = kSkinRect.width() - kMargins.right(), b = kSkinRect.height() - kMargins.bottom();
    p.Geometry.ClientRect = RectLTRB(l, t, r, b);
    p.Geometry.Corners.LeftTop = { l, t };
    p.Geometry.Corners.RightTop = { r, t };
    p.Geometry.Corners.LeftBottom = { l, b };
    p.Geometry.Corners.RightBottom = { r, b };
    p.Geometry.LeftStretch = p.Geometry.TopStretch = p.Geometry.RightStretch = p.Geometry.BottomStretch
        = p.Geometry.StretchEffect = stretch;
    return p;
}

struct Size {
    const char* name;
    int w, h;
};
constexpr Size kSizes[] = { { "800x600", 800, 600 }, { "1920x1080", 1920, 1080 } };

void NinePartOurs(benchmark::State& state, bool stretch, QSize size)
{
    const TvnNinePart parts = FormParts(stretch);
    const TvnNinePartTarget to = StandardTarget(parts, size);
    QImage target(size, QImage::Format_RGB32);
    for (auto _ : state) {
        ComposeNineParts(target, SkinPicture(), parts, to);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetItemsProcessed(state.iterations() * size.width() * size.height());
}

void NinePartQt(benchmark::State& state, bool stretch, QSize size)
{
    const QPixmap pixmap = QPixmap::fromImage(SkinPicture());
    const Qt::TileRule rule = stretch ? Qt::StretchTile : Qt::RepeatTile;
    QImage target(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        qDrawBorderPixmap(&painter, QRect(QPoint(0, 0), size), kMargins, pixmap, kSkinRect, kMargins,
            QTileRules(rule, rule));
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetItemsProcessed(state.iterations() * size.width() * size.height());
}

// Every byte of the same kind of target written once, nothing read: the floor of any
// composition that sets every target pixel.
void NinePartFill(benchmark::State& state, QSize size)
{
    QImage target(size, QImage::Format_RGB32);
    int value = 0;
    for (auto _ : state) {
        std::memset(target.bits(), ++value & 0xFF, size_t(target.sizeInBytes()));
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetItemsProcessed(state.iterations() * size.width() * size.height());
}

void FrameStripsOurs(benchmark::State& state, bool stretch, QSize size)
{
    const TvnNinePart parts = FormParts(stretch);
    const TvnNinePartTarget to = StandardTarget(parts, size);
    for (auto _ : state) {
        TvnFrameStrips strips = BuildFrameStrips(SkinPicture(), parts, to);
        benchmark::DoNotOptimize(strips.Top.constBits());
    }
}

// The same four strips' pixels copied out of a finished frame.
void FrameStripsCopy(benchmark::State& state, bool stretch, QSize size)
{
    const TvnNinePart parts = FormParts(stretch);
    const TvnNinePartTarget to = StandardTarget(parts, size);
    QImage frame;
    ComposeNineParts(frame, SkinPicture(), parts, to);
    const QRect& ncr = to.ClientRect;
    const int top = ncr.y(), bottom = size.height() - RectBottom(ncr);
    const QRect rects[] = {
        { 0, 0, size.width(), top },
        { 0, RectBottom(ncr), size.width(), bottom },
        { 0, top, ncr.x(), ncr.height() },
        { RectRight(ncr), top, size.width() - RectRight(ncr), ncr.height() },
    };
    for (auto _ : state)
        for (const QRect& r : rects) {
            QImage strip = frame.copy(r);
            benchmark::DoNotOptimize(strip.constBits());
        }
}

// A window shape: black with rounded corners left white.
QImage WindowMask(int w, int h, int radius)
{
    QImage mask(w, h, QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = 0; y < radius; ++y)
        for (int x = 0; x < radius; ++x) {
            const int dx = radius - x, dy = radius - y;
            if (dx * dx + dy * dy <= radius * radius) continue;
            for (QPoint p :
                { QPoint(x, y), QPoint(w - 1 - x, y), QPoint(x, h - 1 - y), QPoint(w - 1 - x, h - 1 - y) })
                mask.setPixel(p, qRgb(255, 255, 255));
        }
    return mask;
}

void MaskRegionOurs(benchmark::State& state, QSize size)
{
    const QImage mask = WindowMask(size.width(), size.height(), 12);
    for (auto _ : state) {
        QRegion region = RegionFromMask(mask);
        benchmark::DoNotOptimize(region.rectCount());
    }
}

void MaskRegionQt(benchmark::State& state, QSize size)
{
    const QImage mask = WindowMask(size.width(), size.height(), 12);
    for (auto _ : state) {
        QRegion region(QBitmap::fromImage(mask, Qt::ThresholdDither | Qt::MonoOnly));
        benchmark::DoNotOptimize(region.rectCount());
    }
}

struct EffectCase {
    const char* name;
    TvnInactiveEffect kind;
};
constexpr EffectCase kEffects[] = {
    { "brightness", TvnInactiveEffect::ieBrightness },
    { "darkness", TvnInactiveEffect::ieDarkness },
    { "grayscale", TvnInactiveEffect::ieGrayscale },
    { "noise", TvnInactiveEffect::ieNoise },
    { "splitblur", TvnInactiveEffect::ieSplitBlur },
    { "invert", TvnInactiveEffect::ieInvert },
};

const QImage& Screen()
{
    static const QImage image = Noise(1920, 1080);
    return image;
}

void EffectOurs(benchmark::State& state, TvnInactiveEffect kind)
{
    TvnEffectBmp bmp(Screen());
    for (auto _ : state) {
        bmp.ApplyInactiveEffect(kind);
        benchmark::DoNotOptimize(bmp.Row(0));
    }
    state.SetBytesProcessed(state.iterations() * qint64(Screen().sizeInBytes()));
}

void EffectCopy(benchmark::State& state)
{
    const QImage& source = Screen();
    QImage target(source.size(), source.format());
    for (auto _ : state) {
        std::memcpy(target.bits(), source.constBits(), size_t(source.sizeInBytes()));
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetBytesProcessed(state.iterations() * qint64(source.sizeInBytes()));
}

void Register()
{
    for (const Size& s : kSizes)
        for (bool stretch : { false, true }) {
            const std::string c = std::string(stretch ? "stretched_" : "tiled_") + s.name;
            const QSize size(s.w, s.h);
            benchmark::RegisterBenchmark(("NinePart/ours/" + c).c_str(), NinePartOurs, stretch, size);
            benchmark::RegisterBenchmark(("NinePart/qt/" + c).c_str(), NinePartQt, stretch, size);
            benchmark::RegisterBenchmark(("NinePart/fill/" + c).c_str(), NinePartFill, size);
        }
    for (bool stretch : { false, true }) {
        const std::string c = std::string(stretch ? "stretched_" : "tiled_") + "1920x1080";
        benchmark::RegisterBenchmark(
            ("FrameStrips/ours/" + c).c_str(), FrameStripsOurs, stretch, QSize(1920, 1080));
        benchmark::RegisterBenchmark(
            ("FrameStrips/copy/" + c).c_str(), FrameStripsCopy, stretch, QSize(1920, 1080));
    }
    for (QSize size : { QSize(215, 149), QSize(1920, 1080) }) {
        const std::string c = std::to_string(size.width()) + "x" + std::to_string(size.height());
        benchmark::RegisterBenchmark(("MaskRegion/ours/" + c).c_str(), MaskRegionOurs, size);
        benchmark::RegisterBenchmark(("MaskRegion/qt/" + c).c_str(), MaskRegionQt, size);
    }
    for (const EffectCase& e : kEffects) {
        const std::string c = std::string(e.name) + "_1920x1080";
        benchmark::RegisterBenchmark(("Effect/ours/" + c).c_str(), EffectOurs, e.kind);
        benchmark::RegisterBenchmark(("Effect/copy/" + c).c_str(), EffectCopy);
    }
}

} // namespace

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv, Register); }

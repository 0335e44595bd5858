#include "MaskRegion.h"

#include "FBitmap.h"
#include "SkinRect.h"

#include <QtEndian>
#include <cstring>

namespace vnutils {

namespace {

void AppendLE(QByteArray& out, std::uint32_t value)
{
    const quint32 le = qToLittleEndian(quint32(value));
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void AppendRect(QByteArray& out, const TvnRgnRect& r)
{
    for (std::int32_t v : { r.Left, r.Top, r.Right, r.Bottom })
        AppendLE(out, std::uint32_t(v));
}

TvnRegionData NewBlock(const TvnRgnRect& bound)
{
    TvnRegionData block;
    block.Header.Bound = bound;
    return block;
}

} // namespace

QByteArray TvnRegionData::Bytes() const
{
    QByteArray out;
    out.reserve(int(sizeof(TvnRgnDataHeader) + Rects.size() * sizeof(TvnRgnRect)));
    AppendLE(out, Header.Size);
    AppendLE(out, Header.Type);
    AppendLE(out, Header.Count);
    AppendLE(out, Header.RgnSize);
    AppendRect(out, Header.Bound);
    for (const TvnRgnRect& r : Rects)
        AppendRect(out, r);
    return out;
}

std::vector<TvnRegionData> RegionDataFromMask(const QImage& mask, int ox, int oy)
{
    std::vector<TvnRegionData> blocks;
    if (mask.isNull() || mask.width() <= 0 || mask.height() <= 0) return blocks;
    const TvnFBitmap bitmap(mask);
    const int w = bitmap.Width(), h = bitmap.Height();
    const TvnRgnRect bound { ox, oy, ox + w, oy + h };
    blocks.push_back(NewBlock(bound));
    // A window mask repeats most of its rows: a row equal to the one above has its runs,
    // found by a comparison of the two rows instead of a test of every pixel.
    std::vector<std::pair<int, int>> runs;
    const quint32* previous = nullptr;
    for (int y = 0; y < h; ++y) {
        const quint32* row = bitmap.Row(y);
        if (!previous || std::memcmp(row, previous, size_t(w) * sizeof(quint32)) != 0) {
            runs.clear();
            int x = 0;
            while (x < w) {
                while (x < w && !TvnFBitmap::IsBlack(row[x]))
                    ++x;
                if (x == w) break;
                const int x0 = x;
                while (x < w && TvnFBitmap::IsBlack(row[x]))
                    ++x;
                runs.emplace_back(x0, x);
            }
        }
        previous = row;
        for (const auto& [x0, x1] : runs) {
            if (blocks.back().Rects.size() == size_t(kMaxRegionRects)) blocks.push_back(NewBlock(bound));
            blocks.back().Rects.push_back({ x0 + ox, y + oy, x1 + ox, y + 1 + oy });
        }
    }
    for (TvnRegionData& block : blocks)
        block.Header.Count = std::uint32_t(block.Rects.size());
    return blocks;
}

QRegion RegionFromData(const TvnRegionData& data)
{
    // The runs come sorted by row and then by column, never touching within a row, which
    // is the banded form QRegion keeps. Rows with the same runs as the row above join
    // its band, so the region is built once, in its canonical form.
    std::vector<QRect> bands;
    bands.reserve(data.Rects.size());
    size_t bandStart = 0; // first rectangle of the last band
    size_t i = 0;
    while (i < data.Rects.size()) {
        size_t rowEnd = i;
        while (rowEnd < data.Rects.size() && data.Rects[rowEnd].Top == data.Rects[i].Top)
            ++rowEnd;
        const size_t rowCount = rowEnd - i;
        const size_t bandCount = bands.size() - bandStart;
        bool joined = false;
        if (!bands.empty() && bandCount == rowCount && bands.back().bottom() + 1 == data.Rects[i].Top) {
            joined = true;
            for (size_t k = 0; k < rowCount && joined; ++k) {
                const QRect& b = bands[bandStart + k];
                joined = b.x() == data.Rects[i + k].Left && b.x() + b.width() == data.Rects[i + k].Right;
            }
        }
        if (joined) {
            for (size_t k = 0; k < rowCount; ++k)
                bands[bandStart + k].setBottom(data.Rects[i + k].Bottom - 1);
        } else {
            bandStart = bands.size();
            for (size_t k = i; k < rowEnd; ++k) {
                const TvnRgnRect& r = data.Rects[k];
                bands.push_back(RectLTRB(r.Left, r.Top, r.Right, r.Bottom));
            }
        }
        i = rowEnd;
    }
    QRegion region;
    if (!bands.empty()) region.setRects(bands.data(), int(bands.size()));
    return region;
}

QRegion RegionFromMask(const QImage& mask, int ox, int oy)
{
    QRegion region;
    for (const TvnRegionData& block : RegionDataFromMask(mask, ox, oy))
        region = region.isEmpty() ? RegionFromData(block) : region.united(RegionFromData(block));
    return region;
}

std::optional<QRegion> WindowRegionFromStrips(const TvnFrameStrips& strips, const QRect& ncr)
{
    if (RectEmpty(ncr)) return std::nullopt;
    QRegion region(ncr);
    const QPoint places[] = { { 0, 0 }, { 0, RectBottom(ncr) }, { 0, ncr.y() }, { RectRight(ncr), ncr.y() } };
    const QImage* images[] = { &strips.Top, &strips.Bottom, &strips.Left, &strips.Right };
    for (int i = 0; i < 4; ++i)
        if (!images[i]->isNull()) region += RegionFromMask(*images[i], places[i].x(), places[i].y());
    return region;
}

std::optional<QRegion> WindowRegionFromMask(
    const QImage& mask, const TvnNinePart& parts, const TvnNinePartTarget& to)
{
    const TvnCornerPoints& n = to.Corners;
    if (n.RightTop.x() < n.LeftTop.x() || n.LeftBottom.y() < n.LeftTop.y()) return std::nullopt;
    if (RectEmpty(to.ClientRect)) return std::nullopt;
    return WindowRegionFromStrips(BuildMaskStrips(mask, parts, to), to.ClientRect);
}

} // namespace vnutils

#pragma once
// Regions from mask pictures: the black pixels of a mask belong to the window. A mask
// is scanned row by row into runs of black pixels; the runs are the rectangles of the
// region data, and the region is made from those rectangles in one go.
#include "FrameStrips.h"
#include "NinePart.h"

#include <QByteArray>
#include <QImage>
#include <QRegion>
#include <cstdint>
#include <optional>
#include <vector>

namespace vnutils {

// One block of region data holds at most this many rectangles. A mask with more runs
// gives several blocks, and the region is their union.
inline constexpr int kMaxRegionRects = 10000;

struct TvnRgnRect {
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const TvnRgnRect&, const TvnRgnRect&) = default;
};

struct TvnRgnDataHeader {
    std::uint32_t Size = 32; // header size
    std::uint32_t Type = 1; // rectangles
    std::uint32_t Count = 0; // rectangles that follow
    std::uint32_t RgnSize = 0;
    TvnRgnRect Bound;
};
static_assert(sizeof(TvnRgnRect) == 16);
static_assert(sizeof(TvnRgnDataHeader) == 32);

struct TvnRegionData {
    TvnRgnDataHeader Header;
    std::vector<TvnRgnRect> Rects;

    // The 32-byte header followed by the 16-byte rectangles, little-endian 32-bit fields.
    QByteArray Bytes() const;
};

// The runs of black pixels of `mask`, each the rectangle (x0 + ox, y + oy, x1 + ox,
// y + 1 + oy), in blocks of at most kMaxRegionRects, every block bounded by
// (ox, oy, ox + mask width, oy + mask height). An all-white mask gives one block with no
// rectangles; an empty mask gives no data at all.
std::vector<TvnRegionData> RegionDataFromMask(const QImage& mask, int ox = 0, int oy = 0);

// The region of one block of region data.
QRegion RegionFromData(const TvnRegionData& data);

// The region of the black pixels of `mask`, moved by (ox, oy).
QRegion RegionFromMask(const QImage& mask, int ox = 0, int oy = 0);

// The window region of a shaped window: no region when the target is smaller than its
// corners (right-top x below left-top x, or left-bottom y above left-top y) or its
// client rectangle is empty; otherwise the client rectangle united with the regions of
// the four mask strips (always tiled), each placed where it lies in the window.
std::optional<QRegion> WindowRegionFromMask(
    const QImage& mask, const TvnNinePart& parts, const TvnNinePartTarget& to);

// The same from mask strips already built (the frame keeps them for its hit tests).
std::optional<QRegion> WindowRegionFromStrips(const TvnFrameStrips& maskStrips, const QRect& newClientRect);

} // namespace vnutils

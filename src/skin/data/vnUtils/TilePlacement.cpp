#include "TilePlacement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vnutils {

namespace {

// Tiles first .. last of the span; positions and lengths are reckoned in 64 bits, so a
// span near the ends of int cannot overflow.
std::vector<TvnTile> Tiles(int from, int to, int tile, std::int64_t first, std::int64_t last)
{
    std::vector<TvnTile> tiles;
    if (last < first) return tiles;
    tiles.reserve(static_cast<std::size_t>(last - first + 1));
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t pos = from + i * tile;
        tiles.push_back({ static_cast<int>(pos), static_cast<int>(std::min<std::int64_t>(tile, to - pos)) });
    }
    return tiles;
}

} // namespace

std::vector<TvnTile> TilePlacement(int from, int to, int tile)
{
    return TilePlacement(from, to, tile, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

std::vector<TvnTile> TilePlacement(int from, int to, int tile, int clipFrom, int clipTo)
{
    if (tile < 1 || to < from) return {};
    const std::int64_t count = (std::int64_t(to) - from) / tile + 1;
    // Tile i covers [from + i * tile, from + (i + 1) * tile); the last, possibly empty,
    // tile at `to` counts as reaching the clip when `to` lies inside it.
    const std::int64_t first = clipFrom > from ? (std::int64_t(clipFrom) - from) / tile : 0;
    const std::int64_t last = clipTo > from ? std::min(count - 1, (std::int64_t(clipTo) - from) / tile) : -1;
    return Tiles(from, to, tile, first, last);
}

} // namespace vnutils

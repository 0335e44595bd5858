#include "TilePlacement.h"

#include <algorithm>

namespace vnutils {

std::vector<TvnTile> TilePlacement(int from, int to, int tile)
{
    std::vector<TvnTile> tiles;
    if (tile < 1 || to < from) return tiles;
    const int count = (to - from) / tile + 1;
    tiles.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int pos = from + i * tile;
        tiles.push_back({ pos, std::min(tile, to - pos) });
    }
    return tiles;
}

} // namespace vnutils

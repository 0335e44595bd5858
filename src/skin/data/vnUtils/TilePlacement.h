#pragma once
// Where the copies of a tile go when a span is tiled: from the span's start, one tile
// after the other, the last one cut where the span ends. Every tiled part of the engine
// (edges, middles, strips) places its tiles with this one rule.
#include <vector>

namespace vnutils {

struct TvnTile {
    int Pos = 0; // target position of the tile's first pixel
    int Length = 0; // pixels of the tile that are drawn (the tile's size, or less at the end)
    friend bool operator==(const TvnTile&, const TvnTile&) = default;
};

// Tiles of size `tile` over [from, to): tile i sits at from + i * tile for
// i = 0 .. (to - from) div tile, and a tile that passes `to` is cut by the overhang.
// A span whose length is a multiple of the tile therefore ends with a tile of length 0.
// No tiles for an empty span or a tile size below 1 (a degenerate skin must not hang
// or divide by zero).
std::vector<TvnTile> TilePlacement(int from, int to, int tile);

// The same tiles, only those that reach into [clipFrom, clipTo) (the target image): a
// piece far larger than its image costs only the tiles that can be seen.
std::vector<TvnTile> TilePlacement(int from, int to, int tile, int clipFrom, int clipTo);

} // namespace vnutils

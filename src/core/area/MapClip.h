#pragma once
// A rectangle of tiles and heights taken from the map to be put down elsewhere: copy, cut,
// paste, and the bytes that carry it between running editors through the clipboard.

#include "core/area/CellRect.h"
#include "core/height/HeightMap.h"
#include "core/tilemap/TileMap.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Which of a clip's layers a paste puts down.
enum class PasteLayers { TilesAndHeights, TilesOnly, HeightsOnly };

struct MapClip {
    int width = 0;
    int height = 0;
    std::vector<TileCell> tiles;   // width x height, row by row; empty: no tile map was loaded
    std::vector<uint16_t> heights; // likewise for the height map

    bool Empty() const { return tiles.empty() && heights.empty(); }
};

// The layers' cells in `rect` (clipped to the map).
MapClip CopyClip(const TileMap& tiles, const HeightMap& heights, CellRect rect);
// The tiles of `rect` become grass (rotation 0); heights stay. Returns the cells written.
CellRect CutToGrass(TileMap& tiles, CellRect rect);
// Puts the clip down with its top-left corner at (row, column); the parts that would fall
// off the map, and layers the clip or the map lacks, are left out. Returns the cells written.
CellRect PasteClip(TileMap& tiles, HeightMap& heights, const MapClip& clip, int row, int column,
                   PasteLayers layers);

// The clipboard's form of a clip: "MAPCLIP1", width and height (16 bits each), which layers
// follow (bit 0 tiles, bit 1 heights), then the tiles and the little-endian heights.
std::vector<uint8_t> EncodeClip(const MapClip& clip);
struct DecodedClip {
    MapClip clip;
    std::string error; // empty when the bytes held a clip
};
DecodedClip DecodeClip(std::span<const uint8_t> bytes);

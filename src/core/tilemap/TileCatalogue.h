#pragma once
// The 59 terrain tiles: their picture file names, their edge masks and the fixed tile
// classes that the tools, keys and utilities test.

#include <cstdint>
#include <string_view>

using TileCell = uint8_t; // rotation in bits 6-7, tile code in bits 0-5
using TileCode = uint8_t; // 0-63; 0-58 name catalogue tiles

constexpr int TileCatalogueSize = 59;
constexpr int TileCodeCount = 64;

constexpr TileCode CodeOf(TileCell cell) {
    return cell & 63;
}
constexpr int RotationOf(TileCell cell) {
    return cell >> 6;
}
constexpr TileCell MakeCell(int rotation, int code) {
    return static_cast<TileCell>(((rotation & 3) << 6) | (code & 63));
}

struct TileCatalogueEntry {
    std::string_view fileName;
    uint8_t edgeMask; // bit j set: the tile's feature reaches its own half-edge j
};

// Catalogue entry of a code 0-58.
const TileCatalogueEntry& CatalogueEntry(int code);
std::string_view TileFileName(int code);
// The name the user sees for a code 0-63: its picture's name without the extension ("Field8");
// codes without a catalogue entry are "blank".
std::string_view TileDisplayName(int code);
// Edge mask flag of a code 0-63 (codes 59-63 have half-edges 2 and 7) and half-edge 0-7.
bool TileEdgeFlag(int code, int halfEdge);
// The tile's own half-edge that lies on the map's half-edge `mapHalfEdge` when the tile is
// turned by `rotation` quarter turns clockwise.
constexpr int TileHalfEdgeOnMap(int mapHalfEdge, int rotation) {
    return ((mapHalfEdge - 2 * rotation) % 8 + 8) % 8;
}
// Edge flag of a cell as seen on the map, rotation included.
bool CellEdgeFlag(TileCell cell, int mapHalfEdge);

// The tile classes; each takes a code 0-63 (rotation bits must already be masked off).
bool IsRiverTile(int code);
bool IsRiverEndTile(int code);
bool IsRoadTile(int code);
bool IsWaterTile(int code);
bool IsRiverBedTile(int code);
bool IsRoadBedTile(int code);
bool IsCityTile(int code);
bool IsFieldTile(int code);
bool IsForestEdgeTile(int code);
bool IsCityEdgeTile(int code);
bool IsCoastEdgeTile(int code);
bool IsUnfinishedFieldTile(int code);

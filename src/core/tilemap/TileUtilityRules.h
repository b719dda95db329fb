#pragma once
// Code sets, neighbour offsets and the random field cell shared by the tile utilities.

#include "core/ClassicRandom.h"
#include "core/map/MapGeometry.h"
#include "core/tilemap/TileCatalogue.h"

namespace tile_utilities {

// Neighbour offsets of a cell index (row-major, MapWidth cells per row).
constexpr int North = -MapWidth;
constexpr int South = MapWidth;
constexpr int West = -1;
constexpr int East = 1;
constexpr int NorthWest = -MapWidth - 1;
constexpr int NorthEast = -MapWidth + 1;
constexpr int SouthWest = MapWidth - 1;
constexpr int SouthEast = MapWidth + 1;

constexpr TileCode GrassCode = 1;
constexpr TileCode CornerCode = 0;       // "Field8.bmp"
constexpr TileCode InnerCornerCode = 38; // "Field7.bmp"
constexpr TileCode EdgeCode = 47;        // "Field6.bmp"

// Field1, Field2, Field5 and Field4.
constexpr bool IsPlainFieldTile(int code) {
    return code >= 6 && code <= 9;
}
// Shore tiles next to which fields and towns are placed.
constexpr bool IsShoreTile(int code) {
    return (code >= 3 && code <= 5) || code == 32 || code == 33 || code == 44;
}
// Grass and its three transition tiles; every other code is solid ground.
constexpr bool IsOpenGroundTile(int code) {
    return code == CornerCode || code == GrassCode || code == InnerCornerCode || code == EdgeCode;
}

// Codes 6, 7 and 9 by one draw (code 8 is never chosen).
inline TileCode RandomFieldCode(ClassicRandom& random) {
    static constexpr TileCode Codes[3] = {6, 7, 9};
    return Codes[random.Next() % 3];
}

// Rotation first, then the code: the order in which the numbers are drawn matters.
inline TileCell RandomFieldCell(ClassicRandom& random) {
    const int rotation = random.Next() % 4;
    return MakeCell(rotation, RandomFieldCode(random));
}

// The cells Field Transitions and Mark Tile Errors visit: columns 1-638, rows 2-318.
constexpr int FirstInteriorRow = 2;
constexpr int LastInteriorRow = MapHeight - 2;
constexpr int FirstInteriorColumn = 1;
constexpr int LastInteriorColumn = MapWidth - 2;

// Calls visit(index) for every interior cell in index order.
template <typename Visit> void ForEachInteriorCell(Visit&& visit) {
    for (int row = FirstInteriorRow; row <= LastInteriorRow; ++row)
        for (int column = FirstInteriorColumn; column <= LastInteriorColumn; ++column)
            visit(CellIndex(row, column));
}

} // namespace tile_utilities

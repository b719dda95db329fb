#pragma once
// The fixed size of every map layer and the world coordinate system laid over it.

#include <cstdint>

constexpr int MapWidth = 640;
constexpr int MapHeight = 320;
constexpr int MapCellCount = MapWidth * MapHeight; // 204800

// World units: 2^18 per cell on each axis, origin at map column 160 and map row 1760.
constexpr int32_t WorldUnitsPerCell = 1 << 18;
constexpr int32_t WorldOriginColumn = 160;
constexpr int32_t WorldOriginRow = 1760;

// The floor of a / b for b > 0: the cell that holds pixel `a` of a view of b-pixel cells,
// left of the view included.
constexpr int FloorDivide(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

constexpr int CellIndex(int row, int column) {
    return row * MapWidth + column;
}
constexpr bool IsInsideMap(int row, int column) {
    return row >= 0 && row < MapHeight && column >= 0 && column < MapWidth;
}

#include "core/tilemap/TileMap.h"

#include <cassert>

void TileMap::Replace(std::vector<TileCell> cells) {
    assert(cells.size() == static_cast<size_t>(MapCellCount));
    cells_ = std::move(cells);
}

bool TileMap::CodeAtMatches(int row, int column, bool (*test)(int)) const {
    // Both values are taken as unsigned, so a negative one is out of range.
    if (!HasTileMap() || static_cast<unsigned>(column) >= static_cast<unsigned>(MapWidth) ||
        static_cast<unsigned>(row) >= static_cast<unsigned>(MapHeight))
        return false;
    return test(CodeOf(At(row, column)));
}

bool TileMap::IsRiverAt(int row, int column) const {
    return CodeAtMatches(row, column, IsRiverTile);
}
bool TileMap::IsRiverEndAt(int row, int column) const {
    return CodeAtMatches(row, column, IsRiverEndTile);
}
bool TileMap::IsRoadAt(int row, int column) const {
    return CodeAtMatches(row, column, IsRoadTile);
}

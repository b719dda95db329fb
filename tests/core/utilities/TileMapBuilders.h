#pragma once
// Small helpers for building whole tile maps in the tile utility tests.

#include "core/tilemap/TileMap.h"

#include <vector>

// A map with every cell set to `cell`.
inline TileMap FilledTileMap(TileCell cell) {
    TileMap tiles;
    tiles.Replace(std::vector<TileCell>(MapCellCount, cell));
    return tiles;
}

// Indices at which two maps differ.
inline std::vector<int> ChangedCells(const TileMap& before, const TileMap& after) {
    std::vector<int> changed;
    for (int i = 0; i < MapCellCount; ++i)
        if (before.At(i) != after.At(i))
            changed.push_back(i);
    return changed;
}

inline bool IsRandomFieldCode(int code) {
    return code == 6 || code == 7 || code == 9;
}

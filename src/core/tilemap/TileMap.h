#pragma once
// The texture layer: one TileCell per map cell, absent until a texture map file is loaded.

#include "core/map/MapGeometry.h"
#include "core/tilemap/TileCatalogue.h"

#include <span>
#include <vector>

class TileMap {
  public:
    bool HasTileMap() const { return !cells_.empty(); }

    // Replaces the whole map by `cells`, which must hold exactly MapCellCount bytes.
    void Replace(std::vector<TileCell> cells);
    void DiscardTileMap() {
        cells_.clear();
        cells_.shrink_to_fit();
    }

    // Cell access; the map must be present and the index or row and column in range.
    TileCell At(int index) const { return cells_[static_cast<size_t>(index)]; }
    void Set(int index, TileCell cell) { cells_[static_cast<size_t>(index)] = cell; }
    TileCell At(int row, int column) const { return At(CellIndex(row, column)); }
    void Set(int row, int column, TileCell cell) { Set(CellIndex(row, column), cell); }

    std::span<const TileCell> Cells() const { return cells_; }
    std::span<TileCell> Cells() { return cells_; }

    // Map-cell class tests: false without a map or outside it (negative counts as outside).
    bool IsRiverAt(int row, int column) const;
    bool IsRiverEndAt(int row, int column) const;
    bool IsRoadAt(int row, int column) const;
    // Stores code 35 ("Road2.bmp") with rotation 0; the caller has checked presence and bounds.
    void SetRoadAt(int row, int column) { Set(row, column, MakeCell(0, 35)); }

  private:
    bool CodeAtMatches(int row, int column, bool (*test)(int)) const;
    std::vector<TileCell> cells_;
};

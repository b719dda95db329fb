#pragma once
// The shore of a generated map, drawn through the corners of the cells: every cell corner is
// water or land, and each cell's tile follows from its four corners (ShorePattern), so that
// neighbours, sharing their corners, always agree. The corners are chosen so that the middle
// of as many cells as possible is water exactly where the land mask says water, and never so
// that a cell is water at two opposite corners only, which no coast tile shows.

#include "core/geodata/ShorePattern.h"

#include <cstdint>
#include <vector>

class CoastLattice {
  public:
    // `land` holds one flag per map cell, 1 on land.
    explicit CoastLattice(const std::vector<uint8_t>& land);

    ShoreMask MaskAt(int row, int column) const;

  private:
    bool Water(int cornerRow, int cornerColumn) const {
        return water_[static_cast<size_t>(cornerRow * Columns + cornerColumn)] != 0;
    }
    uint8_t& WaterAt(int cornerRow, int cornerColumn) {
        return water_[static_cast<size_t>(cornerRow * Columns + cornerColumn)];
    }
    // How badly the cell's tile fits the mask: 0 fits, 1 wrong in its middle, 3 no tile.
    int Misfit(int row, int column) const;
    int MisfitAround(int cornerRow, int cornerColumn) const;
    void ImproveCorners();
    void RemoveOppositeCorners();

    static constexpr int Columns = 641;
    static constexpr int Rows = 321;
    const std::vector<uint8_t>& land_;
    std::vector<uint8_t> water_;
};

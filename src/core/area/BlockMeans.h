#pragma once
// What the smoothing brush moves heights towards: the mean of each cell's 3 x 3 block of
// cells on the map, taken from the heights as they were before the dab.

#include "core/area/CellRect.h"
#include "core/height/HeightMap.h"

#include <cstdint>
#include <vector>

class BlockMeans {
  public:
    // Keeps the heights of `area` (on the map), which must hold every block asked for.
    BlockMeans(const HeightMap& heights, const CellRect& area);

    // The means of the blocks around cells [left, right) of `row`, into `means`.
    void RowMeans(int row, int left, int right, uint16_t* means);

  private:
    // Row `row` of the kept heights from column area.left, or zeros off the area.
    const uint16_t* Row(int row) const;

    CellRect area_;
    std::vector<uint16_t> before_;
    std::vector<uint16_t> zeros_;
    std::vector<int> sums_; // the blocks' column sums
};

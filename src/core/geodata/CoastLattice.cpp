#include "core/geodata/CoastLattice.h"

#include "core/map/MapGeometry.h"

namespace {

// Improvement passes over the corners; a coast settles within a few.
constexpr int MaximumPasses = 8;

} // namespace

CoastLattice::CoastLattice(const std::vector<uint8_t>& land)
    : land_(land), water_(static_cast<size_t>(Rows * Columns), 0) {
    // Each corner starts as the majority of the cells around it; a tie is water, so that a
    // straight shore runs along the cells' edges with land on its own side.
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c) {
            int landCells = 0, waterCells = 0;
            for (int dr = -1; dr <= 0; ++dr)
                for (int dc = -1; dc <= 0; ++dc)
                    if (IsInsideMap(r + dr, c + dc))
                        (land_[static_cast<size_t>(CellIndex(r + dr, c + dc))] ? landCells
                                                                               : waterCells)++;
            WaterAt(r, c) = waterCells >= landCells ? 1 : 0;
        }
    ImproveCorners();
    RemoveOppositeCorners();
}

ShoreMask CoastLattice::MaskAt(int row, int column) const {
    return ShoreMaskOfCorners(Water(row, column), Water(row, column + 1),
                              Water(row + 1, column + 1), Water(row + 1, column));
}

int CoastLattice::Misfit(int row, int column) const {
    const ShoreMask mask = MaskAt(row, column);
    if (!ShoreCellFor(mask))
        return 3;
    const bool water = land_[static_cast<size_t>(CellIndex(row, column))] == 0;
    return CentreIsWater(mask) == water ? 0 : 1;
}

int CoastLattice::MisfitAround(int cornerRow, int cornerColumn) const {
    int misfit = 0;
    for (int dr = -1; dr <= 0; ++dr)
        for (int dc = -1; dc <= 0; ++dc)
            if (IsInsideMap(cornerRow + dr, cornerColumn + dc))
                misfit += Misfit(cornerRow + dr, cornerColumn + dc);
    return misfit;
}

// Turns single corners over while that makes the cells around them fit better.
void CoastLattice::ImproveCorners() {
    for (int pass = 0; pass < MaximumPasses; ++pass) {
        bool changed = false;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c) {
                const int before = MisfitAround(r, c);
                if (before == 0)
                    continue;
                WaterAt(r, c) ^= 1;
                if (MisfitAround(r, c) < before)
                    changed = true;
                else
                    WaterAt(r, c) ^= 1;
            }
        if (!changed)
            return;
    }
}

// A cell still water at two opposite corners only gets land at one of them. Every change
// takes water away, so this ends.
void CoastLattice::RemoveOppositeCorners() {
    bool changed = true;
    while (changed) {
        changed = false;
        for (int row = 0; row < MapHeight; ++row)
            for (int column = 0; column < MapWidth; ++column)
                if (!ShoreCellFor(MaskAt(row, column))) {
                    WaterAt(row, column + (Water(row, column) ? 0 : 1)) = 0;
                    changed = true;
                }
    }
}

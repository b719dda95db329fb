// River polylines become river cells that join through cell edges: one chain per river,
// bridged across small breaks in the data, kept on land, without blocks or stray fragments.

#include "RiverRaster.h"

#include "core/tilemap/MapGeometry.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Longitude and latitude of the centre of a map cell.
GeoPoint Centre(int row, int column) {
    return {-5.0 + (column + 0.5) / 32.0, 55.0 - (row + 0.5) / 32.0};
}

long CountCells(const std::vector<uint8_t>& rivers) {
    return std::count_if(rivers.begin(), rivers.end(), [](uint8_t flag) { return flag != 0; });
}

// Number of 4-connected groups of river cells; each group is cleared as it is counted.
int CountChains(std::vector<uint8_t> rivers) {
    int chains = 0;
    for (int start = 0; start < MapCellCount; ++start) {
        if (!rivers[start])
            continue;
        ++chains;
        std::vector<int> pending{start};
        rivers[start] = 0;
        while (!pending.empty()) {
            const int row = pending.back() / MapWidth, column = pending.back() % MapWidth;
            pending.pop_back();
            for (const auto& [r, c] : {std::pair{row - 1, column},
                                       {row + 1, column},
                                       {row, column - 1},
                                       {row, column + 1}})
                if (IsInsideMap(r, c) && rivers[CellIndex(r, c)]) {
                    rivers[CellIndex(r, c)] = 0;
                    pending.push_back(CellIndex(r, c));
                }
        }
    }
    return chains;
}

// Whether a river cell has `count` or more river neighbours, or four river cells form a block.
bool HasCrossingOrBlock(const std::vector<uint8_t>& r, int count) {
    for (int row = 1; row + 1 < MapHeight; ++row)
        for (int c = 1; c + 1 < MapWidth; ++c) {
            const auto at = [&](int dr, int dc) { return r[CellIndex(row + dr, c + dc)] != 0; };
            if (at(0, 0) && at(0, 1) && at(1, 0) && at(1, 1))
                return true;
            if (at(0, 0) && at(-1, 0) + at(1, 0) + at(0, -1) + at(0, 1) >= count)
                return true;
        }
    return false;
}

const std::vector<uint8_t> AllLand(MapCellCount, 1);

TEST(RiverRaster, DrawsADiagonalAsOneEdgeJoinedChain) {
    const auto rivers = RasterizeRivers({{Centre(100, 100), Centre(120, 130)}}, AllLand);
    EXPECT_EQ(CountChains(rivers), 1);
    EXPECT_FALSE(HasCrossingOrBlock(rivers, 5));
    EXPECT_TRUE(rivers[CellIndex(100, 100)] && rivers[CellIndex(120, 130)]);
    // A 4-connected path needs at least one cell per step in either direction.
    EXPECT_GE(CountCells(rivers), 20 + 30 + 1);
}

TEST(RiverRaster, BridgesSmallBreaksButNotDistantRivers) {
    const GeoPolyline upper = {Centre(50, 200), Centre(70, 200)};
    const GeoPolyline lower = {Centre(74, 200), Centre(94, 200)};
    EXPECT_EQ(CountChains(RasterizeRivers({upper, lower}, AllLand)), 1);
    const GeoPolyline far = {Centre(90, 300), Centre(120, 300)};
    EXPECT_EQ(CountChains(RasterizeRivers({upper, far}, AllLand)), 2);
}

TEST(RiverRaster, KeepsToLandAndDropsFragments) {
    std::vector<uint8_t> land = AllLand;
    std::fill(land.begin() + CellIndex(200, 0), land.end(), 0); // sea south of row 200
    const GeoPolyline intoSea = {Centre(150, 40), Centre(250, 40)};
    const GeoPolyline stub = {Centre(10, 10), Centre(10, 12)};
    const auto rivers = RasterizeRivers({intoSea, stub}, land);
    EXPECT_EQ(CountCells(rivers), 50); // rows 150-199 only
    EXPECT_FALSE(rivers[CellIndex(10, 11)]);
}

TEST(RiverRaster, LeavesNoFourWayCrossing) {
    const GeoPolyline across = {Centre(160, 280), Centre(160, 320)};
    const GeoPolyline down = {Centre(140, 300), Centre(180, 300)};
    const auto rivers = RasterizeRivers({across, down}, AllLand);
    EXPECT_FALSE(HasCrossingOrBlock(rivers, 4));
    // Two lines of 41 cells sharing the centre, one branch cut back by a cell.
    EXPECT_EQ(CountCells(rivers), 41 + 41 - 1 - 1);
}

} // namespace

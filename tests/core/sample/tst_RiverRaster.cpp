// River polylines become river cells that join through cell edges: one chain per river,
// bridged across small breaks in the data, kept on land, without blocks or stray fragments.

#include "RiverRaster.h"

#include "core/tilemap/MapGeometry.h"

#include <gtest/gtest.h>

#include <queue>

namespace {

// Longitude and latitude of the centre of a map cell.
GeoPoint Centre(int row, int column) {
    return {-5.0 + (column + 0.5) / 32.0, 55.0 - (row + 0.5) / 32.0};
}

int CountCells(const std::vector<uint8_t>& rivers) {
    int count = 0;
    for (const uint8_t flag : rivers)
        count += flag != 0;
    return count;
}

// Number of 4-connected groups of river cells.
int CountChains(const std::vector<uint8_t>& rivers) {
    std::vector<uint8_t> seen(MapCellCount, 0);
    int chains = 0;
    for (int start = 0; start < MapCellCount; ++start) {
        if (!rivers[start] || seen[start])
            continue;
        ++chains;
        std::queue<int> pending;
        pending.push(start);
        seen[start] = 1;
        while (!pending.empty()) {
            const int index = pending.front();
            pending.pop();
            const int row = index / MapWidth, column = index % MapWidth;
            for (const auto [dr, dc] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                if (!IsInsideMap(row + dr, column + dc))
                    continue;
                const int next = CellIndex(row + dr, column + dc);
                if (rivers[next] && !seen[next]) {
                    seen[next] = 1;
                    pending.push(next);
                }
            }
        }
    }
    return chains;
}

bool HasBlock(const std::vector<uint8_t>& r) {
    for (int row = 0; row + 1 < MapHeight; ++row)
        for (int c = 0; c + 1 < MapWidth; ++c)
            if (r[CellIndex(row, c)] && r[CellIndex(row, c + 1)] && r[CellIndex(row + 1, c)] &&
                r[CellIndex(row + 1, c + 1)])
                return true;
    return false;
}

const std::vector<uint8_t> AllLand(MapCellCount, 1);

TEST(RiverRaster, DrawsADiagonalAsOneEdgeJoinedChain) {
    const auto rivers = RasterizeRivers({{Centre(100, 100), Centre(120, 130)}}, AllLand);
    EXPECT_EQ(CountChains(rivers), 1);
    EXPECT_FALSE(HasBlock(rivers));
    EXPECT_TRUE(rivers[CellIndex(100, 100)]);
    EXPECT_TRUE(rivers[CellIndex(120, 130)]);
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
    for (int column = 0; column < MapWidth; ++column)
        for (int row = 200; row < MapHeight; ++row)
            land[CellIndex(row, column)] = 0; // sea south of row 200
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
    for (int row = 1; row + 1 < MapHeight; ++row)
        for (int column = 1; column + 1 < MapWidth; ++column)
            if (rivers[CellIndex(row, column)])
                ASSERT_LT(rivers[CellIndex(row - 1, column)] + rivers[CellIndex(row + 1, column)] +
                              rivers[CellIndex(row, column - 1)] +
                              rivers[CellIndex(row, column + 1)],
                          4);
    // Two lines of 41 cells sharing the centre, one branch cut back by a cell.
    EXPECT_EQ(CountCells(rivers), 41 + 41 - 1 - 1);
}

} // namespace

// The bundled sample map: its files are well-formed, its coast tiles and rivers join up, and
// its land and heights are those of its committed input (the relief in metres, sea marked
// -9999), scaled as every elevation import scales them.

#include "core/geodata/GeoGrid.h"
#include "core/geodata/ShorePattern.h"
#include "core/io/FileIO.h"
#include "core/map/MapGeometry.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string SampleBase = std::string(TEST_DATA_DIR) + "/samples/central-europe";

int32_t CountOf(const std::vector<uint8_t>& file) {
    return file.size() >= 4 ? ReadInt32LE(file.data()) : -1;
}

bool WorldPointInsideMap(int32_t x, int32_t y) {
    int row = 0, column = 0;
    return CellOfWorldPoint(x, y, row, column);
}

std::vector<uint16_t> HeightsOf(const std::vector<uint8_t>& bytes) {
    std::vector<uint16_t> heights(bytes.size() / 2);
    for (size_t i = 0; i < heights.size(); ++i)
        heights[i] = static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return heights;
}

bool MiddleIsWater(TileCell cell) {
    return CentreIsWater(ShoreMaskOf(cell));
}

class SampleMapFiles : public testing::Test {
  protected:
    std::vector<uint8_t> tiles = ReadBytes(SampleBase + ".tm");
    std::vector<uint8_t> heightBytes = ReadBytes(SampleBase + ".hm");
    std::vector<uint16_t> heights = HeightsOf(heightBytes);
    std::vector<uint8_t> railroads = ReadBytes(SampleBase + ".rrd");
    std::vector<uint8_t> segment = ReadBytes(SampleBase + ".seg");
};

TEST_F(SampleMapFiles, HaveTheSizesTheirCountsNameCatalogueTilesAndRailsInsideTheMap) {
    EXPECT_EQ(tiles.size(), size_t{MapCellCount});
    EXPECT_EQ(heightBytes.size(), size_t{MapCellCount} * 2);
    for (const uint8_t cell : tiles)
        ASSERT_LT(CodeOf(cell), TileCatalogueSize);
    const int32_t sections = CountOf(railroads);
    const int32_t points = CountOf(segment);
    ASSERT_GT(sections, 10);
    ASSERT_GT(points, 2);
    ASSERT_EQ(railroads.size(), 4 + 24 * static_cast<size_t>(sections));
    ASSERT_EQ(segment.size(), 4 + 8 * static_cast<size_t>(points));
    // Loadable together: the tools refuse more than 2048 sections and points.
    EXPECT_LT(sections + points, 2048);
    for (int32_t i = 0; i < sections; ++i) {
        const uint8_t* record = railroads.data() + 4 + 24 * i; // x1, x2, y1, y2
        EXPECT_TRUE(WorldPointInsideMap(ReadInt32LE(record), ReadInt32LE(record + 8)) &&
                    WorldPointInsideMap(ReadInt32LE(record + 4), ReadInt32LE(record + 12)))
            << "section " << i;
    }
    for (int32_t i = 0; i < points; ++i) {
        const uint8_t* record = segment.data() + 4 + 8 * i;
        EXPECT_TRUE(WorldPointInsideMap(ReadInt32LE(record), ReadInt32LE(record + 4)))
            << "point " << i;
    }
}

// Sea and lakes are 0 high, land has the input's metres at 4,110 m to full scale (below sea
// level, the lowest land height); the tiles are water in their middle exactly where the height
// is 0, and that is where the input has sea, but for shore cells no tile can draw.
TEST_F(SampleMapFiles, HaveTheLandAndReliefOfTheirInput) {
    const std::vector<uint8_t> input = ReadBytes(std::string(SAMPLE_INPUT_DIR) + "/elevation.raw");
    ASSERT_EQ(input.size(), size_t{MapCellCount} * 2);
    ASSERT_EQ(tiles.size(), size_t{MapCellCount});
    ASSERT_EQ(heights.size(), size_t{MapCellCount});
    int sea = 0, differing = 0;
    for (size_t i = 0; i < tiles.size(); ++i) {
        const int metres = static_cast<int16_t>(input[2 * i] | (input[2 * i + 1] << 8));
        const bool inputSea = metres == -9999;
        const bool water = MiddleIsWater(tiles[i]);
        const int expected = water ? 0 : std::max(inputSea ? 1 : metres, 1) * 65535 / 4110;
        ASSERT_EQ(heights[i], expected) << "cell " << i << ", " << metres << " m";
        sea += water;
        differing += water != inputSea;
    }
    EXPECT_LT(differing, MapCellCount / 100);
    // A real window of the world: a good deal of sea, mostly land.
    EXPECT_GT(sea, MapCellCount / 10);
    EXPECT_LT(sea, MapCellCount / 2);
    EXPECT_EQ(CountDisagreeingPairs(tiles), 0);
}

// Each side that a river tile's river reaches leads into water, into a river mouth on the shore
// or into a tile that reaches back.
TEST_F(SampleMapFiles, RiversJoinTheirNeighboursOrTheSea) {
    ASSERT_EQ(tiles.size(), size_t{MapCellCount});
    // Sides north, east, south, west: half-edges 2 x side and 2 x side + 1.
    static constexpr int Steps[4][2] = {{-1, 0}, {0, 1}, {1, 0}, {0, -1}};
    auto reaches = [](TileCell cell, int side) {
        return CellEdgeFlag(cell, 2 * side) || CellEdgeFlag(cell, 2 * side + 1);
    };
    int riverCells = 0;
    for (int row = 0; row < MapHeight; ++row)
        for (int column = 0; column < MapWidth; ++column) {
            const TileCell cell = tiles[static_cast<size_t>(CellIndex(row, column))];
            if (!IsRiverBedTile(CodeOf(cell)))
                continue;
            ++riverCells;
            for (int side = 0; side < 4; ++side) {
                const int r = row + Steps[side][0], c = column + Steps[side][1];
                if (!reaches(cell, side) || !IsInsideMap(r, c))
                    continue;
                const size_t next = static_cast<size_t>(CellIndex(r, c));
                const TileCell into = tiles[next];
                const bool mouth = IsRiverTile(CodeOf(into)) && ShoreMaskOf(into) != 0;
                EXPECT_TRUE(mouth || reaches(into, (side + 2) % 4) || heights[next] == 0)
                    << "river at row " << row << ", column " << column << " side " << side;
            }
        }
    EXPECT_GT(riverCells, 500);
}

} // namespace

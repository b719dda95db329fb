// The bundled sample map: its files are well-formed, its tiles agree with its heights, its
// rivers join up, and its height map is exactly what the conversion makes of its source.

#include "SampleElevationSource.h"
#include "SampleInput.h"
#include "SampleTilePainter.h"

#include "core/geodata/GeoGrid.h"

#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include "core/edit/Editor.h"
#include "core/files/DemConversion.h"
#include "core/height/DemWindowConversion.h"
#include "core/io/FileIO.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

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

TEST_F(SampleMapFiles, PaintWaterExactlyWhereTheHeightIsZero) {
    ASSERT_EQ(heights.size(), tiles.size());
    int sea = 0;
    for (size_t i = 0; i < tiles.size(); ++i) {
        ASSERT_EQ(heights[i] == 0, CodeOf(tiles[i]) == sample_tiles::Water) << "cell " << i;
        sea += heights[i] == 0;
    }
    // A real window of the world: a good deal of sea, mostly land.
    EXPECT_GT(sea, MapCellCount / 10);
    EXPECT_LT(sea, MapCellCount / 2);
}

// Each side that a river tile's river reaches leads into water or into a river tile that
// reaches back.
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
                const bool intoRiver =
                    IsRiverBedTile(CodeOf(tiles[next])) && reaches(tiles[next], (side + 2) % 4);
                EXPECT_TRUE(intoRiver || heights[next] == 0)
                    << "river at row " << row << ", column " << column << " side " << side;
            }
        }
    EXPECT_GT(riverCells, 500);
}

TEST_F(SampleMapFiles, AreWhatTheConversionMakesOfTheSource) {
    std::string error;
    const auto input = ReadSampleInput(SAMPLE_INPUT_DIR, error);
    ASSERT_TRUE(input) << error;
    TempDir dir;
    const std::string source = dir.File("central-europe.dem");
    ASSERT_TRUE(WriteSampleElevationSource(*input, source));

    Editor editor;
    RecordingShell shell;
    ConvertDemFile(editor, shell, source);
    ASSERT_FALSE(shell.messages.empty());
    EXPECT_NE(shell.messages.back().text.find("Process Complete."), std::string::npos);
    EXPECT_TRUE(std::ranges::equal(editor.document.Heights().Heights(), HeightsOf(heightBytes)));
    EXPECT_EQ(ReadBytes(DemHeightOutputPath(source)), ReadBytes(SampleBase + ".hm"));
}

} // namespace

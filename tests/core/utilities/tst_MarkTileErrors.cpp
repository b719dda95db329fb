#include "TileMapBuilders.h"
#include "core/tilemap/TileUtilities.h"

#include <gtest/gtest.h>

namespace {

constexpr uint16_t Unmarked = 7;

HeightMap FlatHeights() {
    HeightMap heights;
    heights.Replace(std::vector<uint16_t>(MapCellCount, Unmarked));
    return heights;
}

} // namespace

TEST(MarkTileErrors, MarksEveryInteriorUnfinishedFieldOnly) {
    TileMap tiles = FilledTileMap(MakeCell(0, 1));
    const int unfinished[3] = {0, 38, 47};
    for (int i = 0; i < MapCellCount; ++i)
        tiles.Set(i, MakeCell(i % 4, unfinished[i % 3]));
    HeightMap heights = FlatHeights();
    ASSERT_TRUE(MarkTileErrors(tiles, heights));
    for (int row = 0; row < MapHeight; ++row) {
        for (int column = 0; column < MapWidth; ++column) {
            const bool interior = row >= 2 && row <= 318 && column >= 1 && column <= 638;
            EXPECT_EQ(heights.At(CellIndex(row, column)), interior ? 65535 : Unmarked)
                << row << "," << column;
        }
    }
}

TEST(MarkTileErrors, ForestRowIsMarkedOnlyAtItsOpenEnds) {
    TileMap tiles = FilledTileMap(MakeCell(0, 1));
    // "Forst4.bmp" (26) reaches the upper halves of its left and right edges.
    for (int column = 10; column <= 20; ++column)
        tiles.Set(100, column, MakeCell(0, 26));
    // Turned once, the same tile reaches the right halves of its top and bottom edges.
    for (int row = 50; row <= 60; ++row)
        tiles.Set(row, 300, MakeCell(1, 26));
    HeightMap heights = FlatHeights();
    ASSERT_TRUE(MarkTileErrors(tiles, heights));
    for (int column = 10; column <= 20; ++column)
        EXPECT_EQ(heights.At(CellIndex(100, column)), column == 10 || column == 20 ? 65535 : 7)
            << column;
    for (int row = 50; row <= 60; ++row)
        EXPECT_EQ(heights.At(CellIndex(row, 300)), row == 50 || row == 60 ? 65535 : 7) << row;
}

TEST(MarkTileErrors, HalfEdgesMustMeetNotJustTouch) {
    TileMap tiles = FilledTileMap(MakeCell(0, 1));
    // Unturned 26 (upper half of the right edge) beside 26 turned twice (its lower halves):
    // both are forest, but the halves do not meet.
    tiles.Set(100, 100, MakeCell(0, 26));
    tiles.Set(100, 101, MakeCell(2, 26));
    HeightMap heights = FlatHeights();
    MarkTileErrors(tiles, heights);
    EXPECT_EQ(heights.At(CellIndex(100, 100)), 65535);
    EXPECT_EQ(heights.At(CellIndex(100, 101)), 65535);
}

TEST(MarkTileErrors, TownAndShoreEdgesAreMarkedWith65500) {
    TileMap tiles = FilledTileMap(MakeCell(0, 1));
    tiles.Set(100, 100, MakeCell(0, 11)); // "Alcty2.bmp", a town edge
    tiles.Set(200, 200, MakeCell(0, 3));  // "Coast1.bmp", a shore edge
    tiles.Set(150, 150, MakeCell(0, 10)); // "Alcty.bmp": no edge class, never marked
    HeightMap heights = FlatHeights();
    MarkTileErrors(tiles, heights);
    EXPECT_EQ(heights.At(CellIndex(100, 100)), 65500);
    EXPECT_EQ(heights.At(CellIndex(200, 200)), 65500);
    EXPECT_EQ(heights.At(CellIndex(150, 150)), Unmarked);
    EXPECT_EQ(heights.At(CellIndex(100, 101)), Unmarked);
}

TEST(MarkTileErrors, WithoutHeightMapReportsAndChangesNothing) {
    TileMap tiles = FilledTileMap(MakeCell(0, 47));
    HeightMap none;
    EXPECT_FALSE(MarkTileErrors(tiles, none));
    EXPECT_FALSE(none.HasHeightMap());
}

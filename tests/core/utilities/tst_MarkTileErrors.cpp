#include "TileMapBuilders.h"
#include "core/tilemap/TileUtilities.h"

#include <gtest/gtest.h>

namespace {
constexpr uint16_t Unmarked = 7;

HeightMap MarkedHeights(const TileMap& tiles) {
    HeightMap heights;
    heights.Replace(std::vector<uint16_t>(MapCellCount, Unmarked));
    EXPECT_TRUE(MarkTileErrors(tiles, heights));
    return heights;
}
} // namespace

TEST(MarkTileErrors, OpenEdgesAreMarkedAndHalfEdgesMustMeet) {
    TileMap tiles = FilledTileMap(MakeCell(0, 1));
    // "Forst4.bmp" (26) reaches the upper halves of its left and right edges; turned once, the
    // right halves of its top and bottom edges: marked only at the open ends of a run.
    for (int k = 10; k <= 20; ++k) {
        tiles.Set(100, k, MakeCell(0, 26));
        tiles.Set(k + 40, 300, MakeCell(1, 26));
    }
    // Unturned 26 beside 26 turned twice (its lower halves): both forest, but the halves miss.
    tiles.Set(200, 100, MakeCell(0, 26));
    tiles.Set(200, 101, MakeCell(2, 26));
    tiles.Set(250, 100, MakeCell(0, 11)); // "Alcty2.bmp", a town edge
    tiles.Set(250, 200, MakeCell(0, 3));  // "Coast1.bmp", a shore edge
    tiles.Set(250, 150, MakeCell(0, 10)); // "Alcty.bmp": no edge class, never marked
    const HeightMap heights = MarkedHeights(tiles);
    for (int k = 10; k <= 20; ++k) {
        const int expected = k == 10 || k == 20 ? 65535 : Unmarked;
        EXPECT_EQ(heights.At(CellIndex(100, k)), expected) << k;
        EXPECT_EQ(heights.At(CellIndex(k + 40, 300)), expected) << k;
    }
    EXPECT_EQ(heights.At(CellIndex(200, 100)) + heights.At(CellIndex(200, 101)), 2 * 65535);
    EXPECT_EQ(heights.At(CellIndex(250, 100)), 65500);
    EXPECT_EQ(heights.At(CellIndex(250, 200)), 65500);
    EXPECT_EQ(heights.At(CellIndex(250, 150)), Unmarked);
    EXPECT_EQ(heights.At(CellIndex(250, 101)), Unmarked);

    HeightMap none;
    EXPECT_FALSE(MarkTileErrors(tiles, none));
    EXPECT_FALSE(none.HasHeightMap());
}

#include "TileMapBuilders.h"
#include "core/tilemap/TileUtilities.h"

#include <gtest/gtest.h>

#include <set>

TEST(ExpandFields, SingleFieldGrowsOnlyIntoItsReachableNeighbours) {
    const int f = CellIndex(100, 100);
    const int w = f - 1, n = f - MapWidth, e = f + 1, s = f + MapWidth;
    const int southOfW = w + MapWidth, eastOfN = n + 1;
    std::set<int> seen;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        TileMap tiles = FilledTileMap(MakeCell(0, 1));
        tiles.Set(f, MakeCell(0, 6));
        const TileMap before = tiles;
        ClassicRandom random;
        random.Seed(seed);
        ExpandFields(tiles, random);
        const auto isField = [&](int i) { return IsRandomFieldCode(CodeOf(tiles.At(i))); };
        for (int i : ChangedCells(before, tiles)) {
            seen.insert(i);
            EXPECT_TRUE(isField(i)) << "seed " << seed;
            const bool allowed = i == w || i == n || i == e || i == s ||
                                 (i == southOfW && isField(w)) || (i == eastOfN && isField(n));
            EXPECT_TRUE(allowed) << "seed " << seed << " cell " << i;
        }
    }
    // Over forty runs each reachable cell has grown at least once.
    EXPECT_EQ(seen, (std::set<int>{w, n, e, s, southOfW, eastOfN}));
}

TEST(ExpandFields, PassesKeepTheirBounds) {
    TileMap tiles = FilledTileMap(MakeCell(0, 1));
    // Below a field in row 0: row 1 is outside the backward pass, and the forward pass only
    // looks east and south.
    tiles.Set(CellIndex(0, 10), MakeCell(0, 7));
    // Left of a field in row 319: outside the forward pass; the backward pass looks west and
    // north only.
    tiles.Set(CellIndex(319, 20), MakeCell(0, 9));
    // Right of a field in column 639 there is nothing; left of one in column 0 the next row's
    // last cell must not count as its neighbour.
    tiles.Set(CellIndex(50, 0), MakeCell(0, 8));
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        TileMap run = tiles;
        ClassicRandom random;
        random.Seed(seed);
        ExpandFields(run, random);
        EXPECT_EQ(run.At(1, 10), MakeCell(0, 1)) << seed;
        EXPECT_EQ(run.At(319, 19), MakeCell(0, 1)) << seed;
        EXPECT_EQ(run.At(49, 639), MakeCell(0, 1)) << seed;
    }
}

TEST(ExpandFields, GrowsAtMostOneCellPerRun) {
    TileMap tiles = FilledTileMap(MakeCell(0, 1));
    for (int column = 200; column < 260; ++column)
        tiles.Set(150, column, MakeCell(0, 6));
    ClassicRandom random;
    random.Seed(7);
    ExpandFields(tiles, random);
    for (int row = 0; row < MapHeight; ++row)
        for (int column = 0; column < MapWidth; ++column)
            if (row < 149 || row > 151 || column < 199 || column > 260) {
                EXPECT_EQ(tiles.At(row, column), MakeCell(0, 1)) << row << "," << column;
            }
}

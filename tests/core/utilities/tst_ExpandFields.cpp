#include "TileMapBuilders.h"
#include "core/tilemap/TileUtilities.h"

#include <gtest/gtest.h>

#include <set>

namespace {
TileMap Expanded(TileMap tiles, uint32_t seed) {
    ClassicRandom random;
    random.Seed(seed);
    ExpandFields(tiles, random);
    return tiles;
}
} // namespace

TEST(ExpandFields, SingleFieldGrowsOnlyIntoItsReachableNeighbours) {
    const int f = CellIndex(100, 100);
    const int w = f - 1, n = f - MapWidth, e = f + 1, s = f + MapWidth;
    const int southOfW = w + MapWidth, eastOfN = n + 1;
    TileMap before = FilledTileMap(MakeCell(0, 1));
    before.Set(f, MakeCell(0, 6));
    std::set<int> seen;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const TileMap tiles = Expanded(before, seed);
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
    // Below a field in row 0: outside the backward pass, and the forward pass looks east and
    // south only. Left of one in row 319: outside the forward pass; the backward pass looks
    // west and north only. Left of one in column 0: the row above's last cell is no neighbour.
    tiles.Set(CellIndex(0, 10), MakeCell(0, 7));
    tiles.Set(CellIndex(319, 20), MakeCell(0, 9));
    tiles.Set(CellIndex(50, 0), MakeCell(0, 8));
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        const TileMap run = Expanded(tiles, seed);
        EXPECT_EQ(run.At(1, 10), MakeCell(0, 1)) << seed;
        EXPECT_EQ(run.At(319, 19), MakeCell(0, 1)) << seed;
        EXPECT_EQ(run.At(49, 639), MakeCell(0, 1)) << seed;
    }
}

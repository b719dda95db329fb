#include "TileMapBuilders.h"
#include "core/tilemap/TileUtilities.h"

#include <gtest/gtest.h>

namespace {

constexpr TileCell Grass = MakeCell(0, 1);
constexpr TileCell Forest = MakeCell(0, 27); // solid ground, never a shore

TileMap RunTransitions(TileMap tiles, uint32_t seed = 99) {
    ClassicRandom random;
    random.Seed(seed);
    FieldTransitions(tiles, random);
    return tiles;
}

} // namespace

TEST(FieldTransitions, EdgeAndCornerTilesFollowTheSolidSides) {
    TileMap tiles = FilledTileMap(Grass);
    tiles.Set(49, 50, Forest);  // north of (50, 50)
    tiles.Set(99, 100, Forest); // north and east of (100, 100)
    tiles.Set(100, 101, Forest);
    const TileMap result = RunTransitions(tiles);
    EXPECT_EQ(result.At(50, 50), MakeCell(0, 47));
    EXPECT_EQ(result.At(100, 100), MakeCell(1, 0));
}

TEST(FieldTransitions, IsolatedSolidCellGetsFourEdgesAndFourInnerCorners) {
    TileMap tiles = FilledTileMap(Grass);
    tiles.Set(50, 50, Forest);
    const TileMap result = RunTransitions(tiles);
    EXPECT_EQ(result.At(51, 50), MakeCell(0, 47)); // solid to the north
    EXPECT_EQ(result.At(50, 49), MakeCell(1, 47)); // solid to the east
    EXPECT_EQ(result.At(49, 50), MakeCell(2, 47)); // solid to the south
    EXPECT_EQ(result.At(50, 51), MakeCell(3, 47)); // solid to the west
    EXPECT_EQ(result.At(51, 51), MakeCell(0, 38)); // edges to the north and west
    EXPECT_EQ(result.At(51, 49), MakeCell(1, 38)); // north and east
    EXPECT_EQ(result.At(49, 49), MakeCell(2, 38)); // south and east
    EXPECT_EQ(result.At(49, 51), MakeCell(3, 38)); // south and west
    EXPECT_EQ(ChangedCells(tiles, result).size(), 8u);
}

TEST(FieldTransitions, SqueezedGrassBecomesFieldInScanOrder) {
    TileMap tiles = FilledTileMap(Grass);
    tiles.Set(99, 100, Forest); // north and south of (100, 100)
    tiles.Set(101, 100, Forest);
    tiles.Set(201, 200, Forest); // south and north-east of (200, 200), east open
    tiles.Set(199, 201, Forest);
    const TileMap result = RunTransitions(tiles);
    EXPECT_TRUE(IsRandomFieldCode(CodeOf(result.At(100, 100))));
    EXPECT_TRUE(IsRandomFieldCode(CodeOf(result.At(200, 200))));
    // The same shape seen from its west neighbour first: that neighbour is squeezed, and the
    // cell, now closed in to the north and west only, becomes a corner instead.
    tiles = FilledTileMap(Grass);
    tiles.Set(299, 300, Forest);
    tiles.Set(301, 299, Forest);
    const TileMap later = RunTransitions(tiles);
    EXPECT_TRUE(IsRandomFieldCode(CodeOf(later.At(300, 299))));
    EXPECT_EQ(later.At(300, 300), MakeCell(0, 0));
}

TEST(FieldTransitions, ShoreTownsAlternateBetweenTheTwoTownTiles) {
    TileMap tiles = FilledTileMap(Grass);
    for (int column = 0; column < MapWidth; ++column)
        tiles.Set(100, column, MakeCell(0, 3)); // a long straight shore
    const TileMap result = RunTransitions(tiles);
    std::vector<int> towns;
    for (int column = 1; column < MapWidth - 1; ++column) {
        for (int row : {99, 101}) {
            const int code = CodeOf(result.At(row, column));
            EXPECT_TRUE(code == 47 || code == 48 || code == 49 || code == 0 || code == 38 ||
                        IsRandomFieldCode(code))
                << row << "," << column << " code " << code;
        }
    }
    for (int row : {99, 101})
        for (int column = 1; column < MapWidth - 1; ++column)
            if (const int code = CodeOf(result.At(row, column)); code == 48 || code == 49)
                towns.push_back(code);
    ASSERT_GE(towns.size(), 4u);
    for (size_t i = 0; i < towns.size(); ++i)
        EXPECT_EQ(towns[i], i % 2 == 0 ? 48 : 49) << i;
}

TEST(FieldTransitions, NeverTouchesTheBorderRowsAndColumns) {
    TileMap tiles = FilledTileMap(Grass);
    // Solid and shore cells scattered everywhere, borders included.
    for (int i = 0; i < MapCellCount; i += 7)
        tiles.Set(i, (i / 7) % 3 == 0 ? MakeCell(0, 3) : Forest);
    const TileMap result = RunTransitions(tiles, 4242);
    EXPECT_FALSE(ChangedCells(tiles, result).empty());
    for (int column = 0; column < MapWidth; ++column)
        for (int row : {0, 1, MapHeight - 1})
            EXPECT_EQ(result.At(row, column), tiles.At(row, column)) << row << "," << column;
    for (int row = 0; row < MapHeight; ++row)
        for (int column : {0, MapWidth - 1})
            EXPECT_EQ(result.At(row, column), tiles.At(row, column)) << row << "," << column;
}

TEST(FieldTransitions, LeavesNoSqueezedOrUntransitionedGrass) {
    TileMap tiles = FilledTileMap(Grass);
    for (int i = 0; i < MapCellCount; i += 11)
        tiles.Set(i, Forest);
    const TileMap result = RunTransitions(tiles, 5);
    const auto solid = [&](int i) {
        const int code = CodeOf(result.At(i));
        return code != 0 && code != 1 && code != 38 && code != 47;
    };
    for (int row = 2; row <= MapHeight - 2; ++row) {
        for (int column = 1; column <= MapWidth - 2; ++column) {
            const int i = CellIndex(row, column);
            if (CodeOf(result.At(i)) != 1)
                continue;
            // Grass that survives has no solid side left (the edge phase saw to that).
            EXPECT_FALSE(solid(i - 1) || solid(i + 1) || solid(i - MapWidth) || solid(i + MapWidth))
                << row << "," << column;
        }
    }
}

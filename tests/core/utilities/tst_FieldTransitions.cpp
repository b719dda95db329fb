#include "TileMapBuilders.h"
#include "core/tilemap/TileUtilities.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr TileCell Grass = MakeCell(0, 1);
constexpr TileCell Forest = MakeCell(0, 27); // solid ground, never a shore

TileMap RunTransitions(TileMap tiles, uint32_t seed = 99) {
    ClassicRandom random;
    random.Seed(seed);
    FieldTransitions(tiles, random);
    return tiles;
}

// Grass with forest in the listed cells.
TileMap GrassWithForestAt(std::initializer_list<std::pair<int, int>> cells) {
    TileMap tiles = FilledTileMap(Grass);
    for (const auto& [row, column] : cells)
        tiles.Set(row, column, Forest);
    return tiles;
}

} // namespace

TEST(FieldTransitions, EdgesAndCornersFollowTheSolidSides) {
    // An isolated solid cell gets four edges and four inner corners; a cell with solid ground
    // to the north and east becomes an outer corner.
    const TileMap tiles = GrassWithForestAt({{50, 50}, {99, 100}, {100, 101}});
    const TileMap result = RunTransitions(tiles);
    const std::pair<std::pair<int, int>, TileCell> expected[] = {
        {{51, 50}, MakeCell(0, 47)}, {{50, 49}, MakeCell(1, 47)}, // solid north, east
        {{49, 50}, MakeCell(2, 47)}, {{50, 51}, MakeCell(3, 47)}, // south, west
        {{51, 51}, MakeCell(0, 38)}, {{51, 49}, MakeCell(1, 38)}, // edges north-west, north-east
        {{49, 49}, MakeCell(2, 38)}, {{49, 51}, MakeCell(3, 38)}, // south-east, south-west
        {{100, 100}, MakeCell(1, 0)}};
    for (const auto& [cell, tile] : expected)
        EXPECT_EQ(result.At(cell.first, cell.second), tile) << cell.first << "," << cell.second;
    const auto changed = ChangedCells(tiles, result);
    EXPECT_EQ(
        std::count_if(changed.begin(), changed.end(), [](int i) { return i < 60 * MapWidth; }), 8);
}

TEST(FieldTransitions, SqueezedGrassBecomesFieldInScanOrder) {
    // North and south of (100, 100); south and north-east of (200, 200) with east open.
    const TileMap result =
        RunTransitions(GrassWithForestAt({{99, 100}, {101, 100}, {201, 200}, {199, 201}}));
    EXPECT_TRUE(IsRandomFieldCode(CodeOf(result.At(100, 100))));
    EXPECT_TRUE(IsRandomFieldCode(CodeOf(result.At(200, 200))));
    // The same shape seen from its west neighbour first: that neighbour is squeezed, and the
    // cell, now closed in to the north and west only, becomes a corner instead.
    const TileMap later = RunTransitions(GrassWithForestAt({{299, 300}, {301, 299}}));
    EXPECT_TRUE(IsRandomFieldCode(CodeOf(later.At(300, 299))));
    EXPECT_EQ(later.At(300, 300), MakeCell(0, 0));
}

TEST(FieldTransitions, ShoreTownsAlternateBetweenTheTwoTownTiles) {
    TileMap tiles = FilledTileMap(Grass);
    for (int column = 0; column < MapWidth; ++column)
        tiles.Set(100, column, MakeCell(0, 3)); // a long straight shore
    const TileMap result = RunTransitions(tiles);
    // Beside the shore only edges, corners, fields and the two town tiles, which alternate.
    std::vector<int> towns;
    for (int row : {99, 101}) {
        for (int column = 1; column < MapWidth - 1; ++column) {
            const int code = CodeOf(result.At(row, column));
            if (code == 48 || code == 49)
                towns.push_back(code);
            else
                EXPECT_TRUE(code == 47 || code == 0 || code == 38 || IsRandomFieldCode(code))
                    << row << "," << column << " code " << code;
        }
    }
    ASSERT_GE(towns.size(), 4u);
    for (size_t i = 0; i < towns.size(); ++i)
        EXPECT_EQ(towns[i], i % 2 == 0 ? 48 : 49) << i;
}

TEST(FieldTransitions, LeavesBordersAloneAndNoUntransitionedGrassInside) {
    // Solid and shore cells scattered everywhere, borders included.
    TileMap tiles = FilledTileMap(Grass);
    for (int i = 0; i < MapCellCount; i += 7)
        tiles.Set(i, (i / 7) % 3 == 0 ? MakeCell(0, 3) : Forest);
    const TileMap result = RunTransitions(tiles, 4242);
    EXPECT_FALSE(ChangedCells(tiles, result).empty());
    for (int i = 0; i < MapCellCount; ++i) {
        const int row = i / MapWidth, column = i % MapWidth;
        if (row < 2 || row == MapHeight - 1 || column == 0 || column == MapWidth - 1) {
            EXPECT_EQ(result.At(i), tiles.At(i)) << row << "," << column;
        }
    }
    // Forest only: grass that survives inside has no solid side left.
    TileMap sparse = FilledTileMap(Grass);
    for (int i = 0; i < MapCellCount; i += 11)
        sparse.Set(i, Forest);
    sparse = RunTransitions(sparse, 5);
    const auto solid = [&](int i) {
        const int code = CodeOf(sparse.At(i));
        return code != 0 && code != 1 && code != 38 && code != 47;
    };
    for (int row = 2; row <= MapHeight - 2; ++row) {
        for (int column = 1; column <= MapWidth - 2; ++column) {
            const int i = CellIndex(row, column);
            if (CodeOf(sparse.At(i)) == 1) {
                EXPECT_FALSE(solid(i - 1) || solid(i + 1) || solid(i - MapWidth) ||
                             solid(i + MapWidth))
                    << row << "," << column;
            }
        }
    }
}

// A new map from geographic layers: coast tiles that join, land and water where the land mask
// has them, rivers that reach the sea, towns at the largest cities, the same bytes each time.

#include "core/geodata/MapGeneration.h"
#include "core/geodata/ShorePattern.h"
#include "core/height/HeightMap.h"
#include "core/tilemap/TileMap.h"
#include "core/tilemap/TileUtilities.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

GeoPoint CellMiddle(int row, int column) {
    return {-5.0 + (column + 0.5) / 32.0, 55.0 - (row + 0.5) / 32.0};
}

// Sea to the west behind a wavy diagonal shore, a round bay, an island, a spit one cell
// wide, two land cells touching only at a corner; a river running west into the sea; a
// forest and a mountain area; four cities, one outside the map.
GeodataLayers CoastalLayers() {
    GeodataLayers layers;
    layers.land.resize(MapCellCount);
    for (int row = 0; row < MapHeight; ++row)
        for (int column = 0; column < MapWidth; ++column) {
            bool land = column >= 100 + row / 3 + 6 * std::sin(row / 7.0);
            land = land && std::hypot(row - 200, column - 300) > 40;
            land = land || std::hypot(row - 40, column - 50) < 10;
            land = land || (row == 90 && column >= 20 && column < 60);
            land = land || (row == 120 && column == 30) || (row == 121 && column == 31);
            layers.land[static_cast<size_t>(row * MapWidth + column)] = land ? 1 : 0;
        }
    layers.rivers = {{CellMiddle(160, 420), CellMiddle(162, 300), CellMiddle(160, 60)}};
    layers.cover.assign(MapCellCount, CoverClass::None);
    for (int row = 20; row < 40; ++row)
        for (int column = 400; column < 420; ++column) {
            layers.cover[static_cast<size_t>(row * MapWidth + column)] = CoverClass::Forest;
            layers.cover[static_cast<size_t>(row * MapWidth + column + 100)] = CoverClass::Mountain;
        }
    layers.cities = {{"Small", CellMiddle(100, 500), 10.0},
                     {"Far away", {20.0, 50.0}, 5e6},
                     {"Gro\xc3\x9f"
                      "stadt an der langen Uferpromenade",
                      CellMiddle(250, 400), 1e6},
                     {"Unknown size", CellMiddle(280, 600), std::nullopt}};
    return layers;
}

TileCode CodeAt(const GeneratedMap& map, int row, int column) {
    return CodeOf(map.tiles[static_cast<size_t>(row * MapWidth + column)]);
}

// The cells that Mark Tile Errors marks as broken shores or town edges.
int ShoreMarks(const std::vector<TileCell>& cells) {
    TileMap tiles;
    tiles.Replace(cells);
    HeightMap heights;
    heights.Replace(std::vector<uint16_t>(MapCellCount, 1));
    MarkTileErrors(tiles, heights);
    const auto values = std::as_const(heights).Heights();
    return static_cast<int>(std::count(values.begin(), values.end(), 65500));
}

class MapGeneration : public testing::Test {
  protected:
    GeodataLayers layers = CoastalLayers();
    GeneratedMap map = GenerateMap(layers, {7, 2});
};

TEST_F(MapGeneration, CoastTilesJoinTheirNeighboursAndLandAndWaterFollowTheMask) {
    EXPECT_EQ(map.figures.disagreeingPairs, 0);
    EXPECT_EQ(ShoreMarks(map.tiles), 0);
    EXPECT_GE(map.figures.AgreementShare(), 0.99);
    for (size_t i = 0; i < map.tiles.size(); ++i)
        ASSERT_EQ(map.heights[i] == 0, CentreIsWater(ShoreMaskOf(map.tiles[i]))) << i;

    // One straight shore turned a quarter further is caught by both the count and the
    // catalogue's own edge check.
    std::vector<TileCell> turned = map.tiles;
    const auto shore = std::find_if(turned.begin() + 2 * MapWidth, turned.end(),
                                    [](TileCell cell) { return CodeOf(cell) == 3; });
    ASSERT_NE(shore, turned.end());
    *shore = MakeCell(RotationOf(*shore) + 1, 3);
    EXPECT_GT(CountDisagreeingPairs(turned), 0);
    EXPECT_GT(ShoreMarks(turned), 0);
}

TEST_F(MapGeneration, RiversReachTheSeaAndTownsForestsAndMountainsStandWhereTheLayersSay) {
    EXPECT_GT(map.figures.riverCells, 200);
    const int river = static_cast<int>(
        std::count_if(map.tiles.begin() + 150 * MapWidth, map.tiles.begin() + 175 * MapWidth,
                      [](TileCell cell) { return IsRiverTile(CodeOf(cell)); }));
    EXPECT_GT(river, 200);
    const bool mouth = std::any_of(map.tiles.begin(), map.tiles.end(), [](TileCell cell) {
        return CodeOf(cell) == 21 || CodeOf(cell) == 55;
    });
    EXPECT_TRUE(mouth);

    // The two largest cities inside the map, largest first, named in Latin-1 within 32 bytes.
    ASSERT_EQ(map.targets.size(), 2u);
    EXPECT_EQ(std::string(map.targets[0].name, 32), "Gro\xdfstadt an der langen Uferprom");
    EXPECT_STREQ(map.targets[1].name, "Small");
    EXPECT_EQ(map.figures.towns, 2);
    EXPECT_EQ(CodeAt(map, 250, 400), 10);
    EXPECT_EQ(CodeAt(map, 100, 500), 10);

    EXPECT_EQ(CodeAt(map, 30, 410), 27);
    EXPECT_EQ(CodeAt(map, 30, 510), 22);
}

} // namespace

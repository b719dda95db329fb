#include "TileMapBuilders.h"
#include "core/tilemap/TileUtilities.h"

#include <gtest/gtest.h>

namespace {
constexpr uint32_t Seed = 12345;
} // namespace

TEST(RandomizeTiles, DrawsInTheOrderOfEachRule) {
    TileMap tiles = FilledTileMap(MakeCell(0, 5));
    const TileCell start[] = {MakeCell(2, 1),  MakeCell(3, 44), MakeCell(1, 4),  MakeCell(0, 6),
                              MakeCell(1, 14), MakeCell(2, 29), MakeCell(3, 36), MakeCell(1, 37),
                              MakeCell(3, 8),  MakeCell(1, 22)};
    for (int i = 0; i < 10; ++i)
        tiles.Set(i, start[i]);
    ClassicRandom random, r;
    random.Seed(Seed);
    RandomizeTiles(tiles, random);

    // Replay the same numbers by hand, rule by rule.
    r.Seed(Seed);
    const int grassRotation = r.Next() % 4;
    EXPECT_EQ(tiles.At(0), MakeCell(grassRotation, 1));
    const int coasts[3] = {44, 32, 3};
    EXPECT_EQ(tiles.At(1), MakeCell(3, coasts[r.Next() % 3]));
    EXPECT_EQ(tiles.At(2), MakeCell(1, r.Next() % 2 == 0 ? 4 : 33));
    const int fieldRotation = r.Next() % 4;
    const int fields[3] = {6, 7, 9};
    EXPECT_EQ(tiles.At(3), MakeCell(fieldRotation, fields[r.Next() % 3]));
    const int riverRotation = (1 + 2 * (r.Next() % 2)) % 4;
    EXPECT_EQ(tiles.At(4), MakeCell(riverRotation, r.Next() % 2 == 0 ? 15 : 14));
    EXPECT_EQ(tiles.At(5), MakeCell(2, r.Next() % 2 == 0 ? 29 : 28));
    const int roadRotation = (3 + 2 * (r.Next() % 2)) % 4;
    EXPECT_EQ(tiles.At(6), MakeCell(roadRotation, r.Next() % 2 == 0 ? 36 : 35));
    EXPECT_EQ(tiles.At(7), MakeCell((1 + 2 * (r.Next() % 2)) % 4, 37));
    EXPECT_EQ(tiles.At(8), MakeCell(3, 8)); // Field5 is never varied
    EXPECT_EQ(tiles.At(9), MakeCell(r.Next() % 4, 22));
    EXPECT_EQ(random.Next(), r.Next()); // no other draws
}

TEST(TileUtilities, DoNothingWithoutATileMap) {
    TileMap none;
    HeightMap heights;
    heights.Replace(std::vector<uint16_t>(MapCellCount, 3));
    ClassicRandom random, fresh;
    RandomizeTiles(none, random);
    ExpandFields(none, random);
    FieldTransitions(none, random);
    EXPECT_TRUE(MarkTileErrors(none, heights));
    EXPECT_FALSE(none.HasTileMap());
    EXPECT_EQ(heights.At(CellIndex(100, 100)), 3);
    EXPECT_EQ(random.Next(), fresh.Next());
}

#include "TileMapBuilders.h"
#include "core/tilemap/TileUtilities.h"

#include <gtest/gtest.h>

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

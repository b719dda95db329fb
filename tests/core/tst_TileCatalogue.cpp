#include "core/tilemap/TileMap.h"

#include <gtest/gtest.h>

TEST(TileMap, MapCellTestsIgnoreRotationAndStayInside) {
    TileMap map;
    EXPECT_FALSE(map.IsRiverAt(0, 0)); // no map
    map.Replace(std::vector<TileCell>(MapCellCount, 0));
    map.Set(5, 7, 0xC0 + 43);
    EXPECT_TRUE(map.IsRiverAt(5, 7) && map.IsRiverEndAt(5, 7));
    map.Set(319, 639, 45);
    EXPECT_TRUE(map.IsRoadAt(319, 639));
    EXPECT_FALSE(map.IsRoadAt(320, 0) || map.IsRoadAt(0, 640) || map.IsRiverEndAt(-1, 7));
    map.SetRoadAt(1, 1);
    EXPECT_EQ(map.At(1, 1), 35);
}

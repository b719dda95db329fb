#include "core/tilemap/TileMap.h"

#include <gtest/gtest.h>

TEST(TileCatalogue, NamesHalfEdgesAndClasses) {
    EXPECT_EQ(TileFileName(0), "Field8.bmp");
    EXPECT_EQ(TileFileName(43), "Rivrnd.bmp");
    EXPECT_EQ(TileFileName(58), "CoastTBR.bmp");
    // Code, half-edge, reached; codes without a catalogue entry carry half-edges 2 and 7.
    const int edges[][3] = {{30, 0, 1}, {30, 3, 1}, {30, 4, 1}, {30, 7, 1}, {30, 1, 0},
                            {43, 7, 1}, {43, 3, 0}, {60, 2, 1}, {60, 7, 1}, {60, 0, 0}};
    for (const auto& e : edges)
        EXPECT_EQ(TileEdgeFlag(e[0], e[1]), e[2] == 1) << e[0] << " " << e[1];
    // Code 43 turned once clockwise: its own half-edge 7 lies on the map's half-edge 1.
    EXPECT_TRUE(CellEdgeFlag(MakeCell(1, 43), 1) && CellEdgeFlag(MakeCell(3, 43), 5));
    EXPECT_FALSE(CellEdgeFlag(MakeCell(1, 43), 7));
    EXPECT_EQ(TileHalfEdgeOnMap(0, 3), 2);
    EXPECT_TRUE(IsRiverTile(55) && IsWaterTile(55) && !IsRiverBedTile(55));
    EXPECT_FALSE(IsRiverTile(56) || IsRiverBedTile(56));
    EXPECT_TRUE(IsRoadBedTile(52) && !IsRoadTile(52));
    for (int code = 59; code < 64; ++code)
        EXPECT_FALSE(IsRiverTile(code) || IsRoadTile(code) || IsWaterTile(code) ||
                     IsFieldTile(code) || IsCityTile(code) || IsCoastEdgeTile(code));
}

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

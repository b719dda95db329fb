#include "core/tilemap/TileMap.h"

#include <gtest/gtest.h>

TEST(TileCatalogue, NamesAndMasksOfSampleEntries) {
    EXPECT_EQ(TileFileName(0), "Field8.bmp");
    EXPECT_EQ(TileFileName(43), "Rivrnd.bmp");
    EXPECT_EQ(TileFileName(58), "CoastTBR.bmp");
    EXPECT_TRUE(TileEdgeFlag(30, 0) && TileEdgeFlag(30, 3) && TileEdgeFlag(30, 4) &&
                TileEdgeFlag(30, 7));
    EXPECT_FALSE(TileEdgeFlag(30, 1));
    EXPECT_TRUE(TileEdgeFlag(43, 7));
    EXPECT_FALSE(TileEdgeFlag(43, 3));
    // Codes without a catalogue entry carry half-edges 2 and 7.
    EXPECT_TRUE(TileEdgeFlag(60, 2) && TileEdgeFlag(60, 7));
    EXPECT_FALSE(TileEdgeFlag(60, 0));
}

TEST(TileCatalogue, RotatedHalfEdges) {
    // Code 43 reaches its own half-edge 7 only; turned once clockwise that half-edge lies on
    // the map's half-edge 1 (the right half of the top edge).
    EXPECT_TRUE(CellEdgeFlag(MakeCell(1, 43), 1));
    EXPECT_FALSE(CellEdgeFlag(MakeCell(1, 43), 7));
    EXPECT_TRUE(CellEdgeFlag(MakeCell(3, 43), 5));
    EXPECT_EQ(TileHalfEdgeOnMap(0, 3), 2);
}

TEST(TileCatalogue, ClassesDifferWhereListed) {
    EXPECT_TRUE(IsRiverTile(55));
    EXPECT_TRUE(IsWaterTile(55));
    EXPECT_FALSE(IsRiverBedTile(55));
    EXPECT_FALSE(IsRiverTile(56) || IsRiverBedTile(56));
    EXPECT_TRUE(IsRoadBedTile(52) && !IsRoadTile(52));
    for (int code = 59; code < 64; ++code) {
        EXPECT_FALSE(IsRiverTile(code) || IsRoadTile(code) || IsWaterTile(code) ||
                     IsFieldTile(code) || IsCityTile(code) || IsCoastEdgeTile(code));
    }
}

TEST(TileMap, MapCellTestsIgnoreRotationAndStayInside) {
    TileMap map;
    EXPECT_FALSE(map.IsRiverAt(0, 0)); // no map
    map.Replace(std::vector<TileCell>(MapCellCount, 0));
    map.Set(5, 7, 0xC0 + 43);
    EXPECT_TRUE(map.IsRiverAt(5, 7));
    EXPECT_TRUE(map.IsRiverEndAt(5, 7));
    map.Set(319, 639, 45);
    EXPECT_TRUE(map.IsRoadAt(319, 639));
    EXPECT_FALSE(map.IsRoadAt(320, 0));
    EXPECT_FALSE(map.IsRoadAt(0, 640));
    EXPECT_FALSE(map.IsRiverEndAt(-1, 7));
    map.SetRoadAt(1, 1);
    EXPECT_EQ(map.At(1, 1), 35);
    map.DiscardTileMap();
    EXPECT_FALSE(map.HasTileMap());
}

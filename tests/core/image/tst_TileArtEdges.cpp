// Checks the bundled tile art against the catalogue from the pixels themselves: where a
// tile's forest, town, shore or mountain border meets its sides, and where its rivers and
// roads leave it. The art keeps each kind of ground in its own range of the colour table.

#include "core/image/TileBitmap.h"
#include "core/tilemap/TileCatalogue.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct IndexRange {
    int first;
    int last;
    bool Has(int index) const { return index >= first && index <= last; }
};
constexpr IndexRange Sea{96, 127}, River{128, 143}, Forest{144, 175}, Town{176, 207},
    Mountain{208, 231}, Road{232, 247};

TileBitmap BundledTile(int code, int rotation) {
    const auto tile =
        ReadBitmapFile(std::string(TEST_DATA_DIR) + "/tiles/QZ" + std::string(TileFileName(code)));
    EXPECT_TRUE(tile && IsTilePicture(*tile));
    if (!tile || rotation == 0)
        return tile.value_or(TileBitmap{});
    return RotateTileBitmap(*tile, rotation).value_or(TileBitmap{});
}

// The palette index at pixel t (0-63) of side `side` (0 top, 1 right, 2 bottom, 3 left),
// counted clockwise from the side's first corner, as the picture shows it.
int SidePixel(const TileBitmap& tile, int side, int t) {
    const int x[4] = {t, 63, 63 - t, 0};
    const int y[4] = {0, t, 63, 63 - t};
    return tile.bytes[BitmapPixels(tile) + (63 - y[side]) * 64 + x[side]]; // rows bottom-up
}

// Whether a border between `range` and other ground crosses half-edge j at the place where
// every tile's borders cross it: 8 pixels from the side's middle, inside the half-edge.
bool BorderCrossesHalfEdge(const TileBitmap& tile, IndexRange range, int j) {
    const int crossing = j % 2 == 0 ? 24 : 40;
    for (int t = crossing - 3; t < crossing + 2; ++t)
        if (range.Has(SidePixel(tile, j / 2, t)) != range.Has(SidePixel(tile, j / 2, t + 1)))
            return true;
    return false;
}

void ExpectBordersFollowTheMask(int code, IndexRange range) {
    for (int rotation = 0; rotation < 4; ++rotation) {
        const TileBitmap tile = BundledTile(code, rotation);
        for (int j = 0; j < 8; ++j)
            EXPECT_EQ(BorderCrossesHalfEdge(tile, range, j),
                      CellEdgeFlag(MakeCell(rotation, code), j))
                << TileFileName(code) << " rotation " << rotation << " half-edge " << j;
    }
}

// A river or road reaches the middle of exactly the sides whose half-edges the mask lists,
// and touches the tile's border nowhere else.
void ExpectLinesLeaveThroughTheMaskedSides(int code, IndexRange range) {
    for (int rotation = 0; rotation < 4; ++rotation) {
        const TileBitmap tile = BundledTile(code, rotation);
        const TileCell cell = MakeCell(rotation, code);
        for (int side = 0; side < 4; ++side) {
            const bool listed = CellEdgeFlag(cell, 2 * side) || CellEdgeFlag(cell, 2 * side + 1);
            SCOPED_TRACE(std::string(TileFileName(code)) + " rotation " + std::to_string(rotation) +
                         " side " + std::to_string(side));
            for (int t = 0; t < 64; ++t) {
                if (t == 31 || t == 32 || t < 24 || t > 39) {
                    EXPECT_EQ(range.Has(SidePixel(tile, side, t)), listed && (t == 31 || t == 32))
                        << "pixel " << t;
                }
            }
        }
    }
}

} // namespace

TEST(TileArtEdges, ForestTownShoreAndMountainBordersMeetTheSidesWhereTheMasksSay) {
    for (int code = 0; code < TileCatalogueSize; ++code) {
        if (IsForestEdgeTile(code))
            ExpectBordersFollowTheMask(code, Forest);
        if (IsCityEdgeTile(code))
            ExpectBordersFollowTheMask(code, Town);
        if (IsCoastEdgeTile(code))
            ExpectBordersFollowTheMask(code, Sea);
    }
    for (int code : {23, 24, 25}) // mountain borders join like the coasts
        ExpectBordersFollowTheMask(code, Mountain);
}

TEST(TileArtEdges, RiversAndRoadsLeaveThroughTheMiddleOfTheirSides) {
    for (int code = 0; code < TileCatalogueSize; ++code) {
        // River8 and CoastRIV are river mouths: their masks describe the shore.
        if (IsRiverTile(code) && !IsCoastEdgeTile(code))
            ExpectLinesLeaveThroughTheMaskedSides(code, River);
        if (IsRoadTile(code))
            ExpectLinesLeaveThroughTheMaskedSides(code, Road);
    }
}

TEST(TileArtEdges, WholeTilesAreFilledWithTheirGround) {
    for (const auto& [code, range] :
         {std::pair{2, Sea}, {10, Town}, {22, Mountain}, {27, Forest}, {41, Forest}, {42, Town}}) {
        const TileBitmap tile = BundledTile(code, 0);
        for (int side = 0; side < 4; ++side)
            for (int t = 0; t < 64; ++t)
                ASSERT_TRUE(range.Has(SidePixel(tile, side, t)))
                    << TileFileName(code) << " side " << side << " pixel " << t;
    }
}

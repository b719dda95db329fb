#include "core/area/FillRect.h"
#include "core/area/FloodFill.h"
#include "core/area/HeightBrush.h"
#include "core/area/LineCells.h"
#include "core/area/MapClip.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {
TileMap FilledTiles(TileCell cell) {
    TileMap tiles;
    tiles.Replace(std::vector<TileCell>(MapCellCount, cell));
    return tiles;
}

HeightMap FilledHeights(uint16_t height) {
    HeightMap heights;
    heights.Replace(std::vector<uint16_t>(MapCellCount, height));
    return heights;
}

int CountCells(const TileMap& tiles, TileCell cell) {
    return static_cast<int>(std::count(tiles.Cells().begin(), tiles.Cells().end(), cell));
}
} // namespace

TEST(FloodFill, FillsTheFourConnectedAreaOfOneCodeWhateverItsTurn) {
    // Water walls (code 2) around rows 10-14, columns 20-24 of grass, open only at the four
    // corners, where the grass inside meets the grass outside diagonally; inside, grass in
    // several turns and one forest cell.
    TileMap tiles = FilledTiles(1);
    for (int i = 0; i < 5; ++i) {
        tiles.Set(9, 20 + i, 2);
        tiles.Set(15, 20 + i, 2);
        tiles.Set(10 + i, 19, 2);
        tiles.Set(10 + i, 25, 2);
    }
    tiles.Set(11, 21, MakeCell(1, 1));
    tiles.Set(12, 22, MakeCell(3, 1));
    tiles.Set(13, 23, 27);
    const CellRect filled = FloodFill(tiles, 12, 21, MakeCell(2, 7));
    EXPECT_EQ(filled, (CellRect{20, 10, 25, 15}));
    EXPECT_EQ(CountCells(tiles, MakeCell(2, 7)), 24);
    EXPECT_EQ(tiles.At(13, 23), 27);
    EXPECT_EQ(tiles.At(9, 19), 1);

    // Same code, other turn: every cell of the area turns, and the fill ends.
    EXPECT_EQ(FloodFill(tiles, 12, 21, MakeCell(0, 7)), (CellRect{20, 10, 25, 15}));
    EXPECT_EQ(CountCells(tiles, 7), 24);
    // The whole map at once; off the map and without a map nothing happens.
    TileMap open = FilledTiles(MakeCell(1, 1));
    EXPECT_EQ(FloodFill(open, 319, 639, 1), WholeMap);
    EXPECT_EQ(CountCells(open, 1), MapCellCount);
    EXPECT_TRUE(FloodFill(open, 320, 0, 2).Empty());
    TileMap none;
    EXPECT_TRUE(FloodFill(none, 0, 0, 2).Empty());
}

TEST(LineCells, StepsThroughSideSharingCellsCloseToTheTrueLine) {
    EXPECT_EQ(LineCells({5, 5}, {5, 8}), (std::vector<LineCell>{{5, 5}, {5, 6}, {5, 7}, {5, 8}}));
    EXPECT_EQ(LineCells({0, 0}, {2, 2}),
              (std::vector<LineCell>{{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}}));
    EXPECT_EQ(LineCells({3, 3}, {3, 3}), (std::vector<LineCell>{{3, 3}}));
    // A long shallow line backwards: each step one cell on one axis, never far from the line.
    const auto cells = LineCells({40, 100}, {30, 0});
    ASSERT_EQ(cells.size(), 111u);
    EXPECT_EQ(cells.back(), (LineCell{30, 0}));
    for (size_t i = 1; i < cells.size(); ++i) {
        EXPECT_EQ(std::abs(cells[i].row - cells[i - 1].row) +
                      std::abs(cells[i].column - cells[i - 1].column),
                  1);
        const double onLine = 30 + cells[i].column / 10.0;
        EXPECT_LE(std::abs(cells[i].row - onLine), 1.0);
    }
}

TEST(FillRect, FillsOnTheMapAndTurnsOnlyEdgelessFieldsAndForests) {
    TileMap tiles = FilledTiles(1);
    ClassicRandom random;
    EXPECT_EQ(FillRect(tiles, {630, -5, 650, 5}, 10, random), (CellRect{630, 0, 640, 5}));
    EXPECT_EQ(CountCells(tiles, 10), 50);

    for (const TileCode code : std::initializer_list<TileCode>{7, 27}) {
        EXPECT_EQ(FillRect(tiles, {0, 0, 20, 20}, code, random), (CellRect{0, 0, 20, 20}));
        std::set<int> turns;
        for (int row = 0; row < 20; ++row)
            for (int column = 0; column < 20; ++column) {
                EXPECT_EQ(CodeOf(tiles.At(row, column)), code);
                turns.insert(RotationOf(tiles.At(row, column)));
            }
        EXPECT_EQ(turns.size(), 4u) << int(code);
    }
    // Edged fields and forests, and grass, keep rotation 0.
    for (const TileCode code : std::initializer_list<TileCode>{0, 26, 1})
        EXPECT_FALSE(FillTurnsRandomly(code)) << int(code);
}

TEST(HeightBrush, ModesMoveHeightsByTheWeightedStrengthWithinTheMap) {
    HeightMap heights = FilledHeights(1000);
    BrushSettings brush;
    brush.falloff = BrushFalloff::Constant;
    brush.radius = 2;
    brush.strength = 300;
    // Radius 2: the 21 cells closer than 2.5 to the centre.
    EXPECT_EQ(ApplyBrushDab(heights, 50, 50, brush), (CellRect{48, 48, 53, 53}));
    int raised = 0;
    for (const uint16_t h : heights.Heights())
        raised += h == 1300;
    EXPECT_EQ(raised, 21);
    EXPECT_EQ(heights.At(CellIndex(48, 48)), 1000);

    // Lower saturates at 0; on the map's corner only the cells on the map are touched.
    brush.mode = BrushMode::Lower;
    brush.strength = 5000;
    EXPECT_EQ(ApplyBrushDab(heights, 0, 0, brush), (CellRect{0, 0, 3, 3}));
    EXPECT_EQ(heights.At(CellIndex(0, 0)), 0);
    EXPECT_EQ(heights.At(CellIndex(2, 1)), 0);
    EXPECT_EQ(heights.At(CellIndex(2, 2)), 1000);

    // Flatten and set move towards the target by at most the strength, never past it.
    brush.mode = BrushMode::Flatten;
    brush.target = 1200;
    brush.strength = 150;
    ApplyBrushDab(heights, 50, 50, brush);
    EXPECT_EQ(heights.At(CellIndex(50, 50)), 1200);
    brush.mode = BrushMode::Set;
    brush.target = 65535;
    brush.strength = 65535;
    ApplyBrushDab(heights, 50, 50, brush);
    EXPECT_EQ(heights.At(CellIndex(50, 52)), 65535);

    // Smooth pulls a spike towards its neighbours' mean; linear falloff weighs the rim less.
    HeightMap spike = FilledHeights(0);
    spike.Set(CellIndex(100, 100), 9000);
    brush = BrushSettings{BrushMode::Smooth, BrushFalloff::Constant, 1, 65535, 0};
    ApplyBrushDab(spike, 100, 100, brush);
    EXPECT_EQ(spike.At(CellIndex(100, 100)), 1000);
    EXPECT_EQ(spike.At(CellIndex(100, 101)), 1000);
    EXPECT_EQ(spike.At(CellIndex(100, 102)), 0);
    EXPECT_FLOAT_EQ(BrushWeight(BrushFalloff::Linear, 4, 0), 1.0f);
    EXPECT_LT(BrushWeight(BrushFalloff::Linear, 4, 16), BrushWeight(BrushFalloff::Linear, 4, 4));
    EXPECT_EQ(BrushWeight(BrushFalloff::Smooth, 4, 25), 0.0f);
}

TEST(MapClip, CopyCutPasteAndTheClipboardBytes) {
    TileMap tiles = FilledTiles(1);
    HeightMap heights = FilledHeights(0);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            tiles.Set(row, column, static_cast<TileCell>(10 + row * 4 + column));
            heights.Set(CellIndex(row, column), static_cast<uint16_t>(500 + row * 4 + column));
        }
    const MapClip clip = CopyClip(tiles, heights, {-2, -1, 4, 3});
    ASSERT_EQ(clip.width, 4);
    ASSERT_EQ(clip.height, 3);
    EXPECT_EQ(CutToGrass(tiles, {0, 0, 4, 3}), (CellRect{0, 0, 4, 3}));
    EXPECT_EQ(tiles.At(2, 3), MakeCell(0, 1));
    EXPECT_EQ(heights.At(CellIndex(2, 3)), 511); // heights stay

    // Pasted over the bottom-right corner: only the part on the map lands.
    EXPECT_EQ(PasteClip(tiles, heights, clip, 318, 637, PasteLayers::TilesAndHeights),
              (CellRect{637, 318, 640, 320}));
    EXPECT_EQ(tiles.At(318, 637), 10);
    EXPECT_EQ(tiles.At(319, 639), 16);
    EXPECT_EQ(heights.At(CellIndex(319, 639)), 506);
    PasteClip(tiles, heights, clip, 100, 100, PasteLayers::TilesOnly);
    EXPECT_EQ(tiles.At(101, 101), 15);
    EXPECT_EQ(heights.At(CellIndex(101, 101)), 0);

    // Through the clipboard's bytes and back; damaged bytes are refused with a reason.
    std::vector<uint8_t> bytes = EncodeClip(clip);
    const DecodedClip back = DecodeClip(bytes);
    EXPECT_EQ(back.error, "");
    EXPECT_EQ(back.clip.tiles, clip.tiles);
    EXPECT_EQ(back.clip.heights, clip.heights);
    bytes.pop_back();
    EXPECT_NE(DecodeClip(bytes).error, "");
    bytes[9] = 0x7F; // width 32516
    EXPECT_NE(DecodeClip(bytes).error, "");
    EXPECT_NE(DecodeClip(std::vector<uint8_t>(20, 0)).error, "");
}

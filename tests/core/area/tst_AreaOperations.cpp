#include "core/area/BrushStroke.h"
#include "core/area/FillRect.h"
#include "core/area/FloodFill.h"
#include "core/area/HeightBrush.h"
#include "core/area/LineCells.h"
#include "core/area/MapClip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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

// A plain breadth-first flood fill, cell by cell, to hold the fast one against.
CellRect ReferenceFloodFill(std::vector<TileCell>& cells, int row, int column, TileCell fill) {
    const TileCode code = CodeOf(cells[static_cast<size_t>(CellIndex(row, column))]);
    std::vector<bool> seen(cells.size());
    std::vector<std::pair<int, int>> queue{{row, column}};
    seen[static_cast<size_t>(CellIndex(row, column))] = true;
    CellRect touched;
    for (size_t next = 0; next < queue.size(); ++next) {
        const auto [r, c] = queue[next];
        cells[static_cast<size_t>(CellIndex(r, c))] = fill;
        touched = touched.Including(r, c);
        for (const auto& [nr, nc] : {std::pair{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}}) {
            const auto index = static_cast<size_t>(CellIndex(nr, nc));
            if (IsInsideMap(nr, nc) && !seen[index] && CodeOf(cells[index]) == code) {
                seen[index] = true;
                queue.emplace_back(nr, nc);
            }
        }
    }
    return touched;
}

// One dab computed cell by cell from the weight, as the brush is defined.
void ReferenceDab(std::vector<uint16_t>& cells, int row, int column, const BrushSettings& brush) {
    const std::vector<uint16_t> before = cells;
    const int amountLimit = std::clamp(brush.strength, 0, 65535);
    for (int r = row - brush.radius; r <= row + brush.radius; ++r)
        for (int c = column - brush.radius; c <= column + brush.radius; ++c) {
            if (!IsInsideMap(r, c))
                continue;
            const int distanceSquared = (r - row) * (r - row) + (c - column) * (c - column);
            const int amount =
                static_cast<int>(static_cast<float>(amountLimit) *
                                     BrushWeight(brush.falloff, brush.radius, distanceSquared) +
                                 0.5f);
            const int height = before[static_cast<size_t>(CellIndex(r, c))];
            int towards = brush.target;
            if (brush.mode == BrushMode::Raise || brush.mode == BrushMode::Lower)
                towards = brush.mode == BrushMode::Raise ? 65535 : 0;
            if (brush.mode == BrushMode::Smooth) {
                int sum = 0;
                int count = 0;
                for (int nr = r - 1; nr <= r + 1; ++nr)
                    for (int nc = c - 1; nc <= c + 1; ++nc)
                        if (IsInsideMap(nr, nc)) {
                            sum += before[static_cast<size_t>(CellIndex(nr, nc))];
                            ++count;
                        }
                towards = sum / count;
            }
            cells[static_cast<size_t>(CellIndex(r, c))] =
                static_cast<uint16_t>(height + std::clamp(towards - height, -amount, amount));
        }
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

TEST(FloodFill, EqualsACellByCellFillOnRandomMaps) {
    // Few codes in random turns, code 0 on half to all of the cells: areas of every shape,
    // with holes, fingers and borders, up to the whole map.
    std::mt19937 random(14);
    for (int map = 0; map < 6; ++map) {
        std::vector<TileCell> cells(MapCellCount);
        const int codes = 2 + map % 3;
        for (TileCell& cell : cells)
            cell = MakeCell(static_cast<int>(random() % 4),
                            static_cast<int>(random() % 10 < 5u + map ? 0 : random() % codes));
        TileMap tiles;
        tiles.Replace(cells);
        for (int fill = 0; fill < 8; ++fill) {
            const int row = fill < 2 ? fill * (MapHeight - 1) : static_cast<int>(random() % 320);
            const int column = fill < 2 ? fill * (MapWidth - 1) : static_cast<int>(random() % 640);
            // Every other fill keeps the area's code and only turns its cells.
            const TileCode code =
                fill % 2 ? CodeOf(tiles.At(row, column)) : static_cast<TileCode>(random() % codes);
            const TileCell with = MakeCell(static_cast<int>(random() % 4), code);
            const CellRect expected = ReferenceFloodFill(cells, row, column, with);
            EXPECT_EQ(FloodFill(tiles, row, column, with), expected) << map << " " << fill;
            ASSERT_TRUE(std::equal(cells.begin(), cells.end(), tiles.Cells().begin()))
                << map << " " << fill;
        }
    }
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

TEST(HeightBrush, EqualsTheWeightAppliedCellByCellForEveryModeAndFalloff) {
    std::mt19937 random(7);
    std::vector<uint16_t> cells(MapCellCount);
    for (uint16_t& height : cells) // rough ground with the limits in it
        height = random() % 8 ? static_cast<uint16_t>(random()) : (random() % 2) * 65535;
    HeightMap heights;
    heights.Replace(cells);
    // Radius 300 reaches past the map's edges on every side from anywhere.
    const int radii[] = {1, 2, 32, 64, 7, 300};
    const int strengths[] = {65535, 1, 500, 70000, 0, 3000};
    for (int dab = 0; dab < 90; ++dab) {
        BrushSettings brush;
        brush.mode = static_cast<BrushMode>(dab % 5);
        brush.falloff = static_cast<BrushFalloff>(dab / 5 % 3);
        brush.radius = radii[dab % 6];
        brush.strength = strengths[dab / 15 % 6];
        brush.target = static_cast<uint16_t>(random());
        // Two dabs of a stroke, centred on the map, on its edges and corners, and off it by
        // less than a radius.
        BrushStroke stroke(brush);
        for (int dabOfStroke = 0; dabOfStroke < 2; ++dabOfStroke) {
            const int row = static_cast<int>(random() % 360) - 20;
            const int column = dab % 4 == 0 ? 639 : static_cast<int>(random() % 700) - 30;
            ReferenceDab(cells, row, column, brush);
            stroke.Dab(heights, row, column);
            ASSERT_TRUE(std::equal(cells.begin(), cells.end(), heights.Heights().begin()))
                << "dab " << dab << " at " << row << "," << column;
        }
    }
    // Every radius up to twice the palette's largest with every falloff, each a dab of its own.
    for (int radius = 1; radius <= 64; ++radius)
        for (int falloff = 0; falloff < 3; ++falloff) {
            BrushSettings brush;
            brush.mode = static_cast<BrushMode>(radius % 2); // raise or lower
            brush.falloff = static_cast<BrushFalloff>(falloff);
            brush.radius = radius;
            brush.strength = 4000 + 1000 * falloff + radius; // mostly short of the limits
            const int row = static_cast<int>(random() % 320);
            const int column = falloff == 0 ? 0 : static_cast<int>(random() % 640);
            ReferenceDab(cells, row, column, brush);
            ApplyBrushDab(heights, row, column, brush);
            ASSERT_TRUE(std::equal(cells.begin(), cells.end(), heights.Heights().begin()))
                << "radius " << radius << " falloff " << falloff;
        }
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

// The area tools' two heaviest operations against a plain copy of the layer bytes they touch:
// a flood fill across the whole tile map, and a 64-cell-radius height brush dab, both as one
// of a stroke's dabs (the brush's amounts kept from the dab before) and as a stroke's first,
// with the smooth falloff and with the linear one (square roots).

#include "RatioReporter.h"
#include "core/area/BrushStroke.h"
#include "core/area/FillRect.h"
#include "core/area/FloodFill.h"

#include <cstring>
#include <vector>

namespace {
constexpr int DabRadius = 64;
constexpr size_t DabBytes = (2 * DabRadius + 1) * (2 * DabRadius + 1) * sizeof(uint16_t);

// Grass in all four turns, so the fill has to look at every cell's code.
TileMap TurnedGrass() {
    std::vector<TileCell> cells(MapCellCount);
    for (size_t i = 0; i < cells.size(); ++i)
        cells[i] = MakeCell(static_cast<int>(i % 4), 1);
    TileMap tiles;
    tiles.Replace(std::move(cells));
    return tiles;
}

void BM_CopyTileMap(benchmark::State& state) {
    const std::vector<TileCell> from(MapCellCount, 1);
    std::vector<TileCell> to(MapCellCount);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

void BM_FloodFillWholeMap(benchmark::State& state) {
    TileMap tiles = TurnedGrass();
    TileCode code = 2;
    // Each fill turns the whole map from one code into the other.
    for (auto _ : state) {
        benchmark::DoNotOptimize(FloodFill(tiles, 160, 320, code));
        code = code == 2 ? 1 : 2;
    }
}

// Fill of a selection of the whole map: grass keeps its turn, forest is turned at random.
void FillWholeMap(benchmark::State& state, TileCode code) {
    TileMap tiles = TurnedGrass();
    ClassicRandom random;
    for (auto _ : state)
        benchmark::DoNotOptimize(FillRect(tiles, WholeMap, code, random));
}

void BM_FillWholeMap(benchmark::State& state) {
    FillWholeMap(state, 1);
}

void BM_FillWholeMapTurned(benchmark::State& state) {
    FillWholeMap(state, 27);
}

void BM_CopyDabBytes(benchmark::State& state) {
    const std::vector<uint8_t> from(DabBytes, 1);
    std::vector<uint8_t> to(DabBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

// Dabs at one place, raising and lowering by turns so the heights stay away from the limits:
// as dabs of two strokes under way, or each the first dab of a new stroke, which works out
// its brush's amounts first.
void Dabs(benchmark::State& state, BrushFalloff falloff, bool firstOfStroke) {
    HeightMap heights;
    heights.Replace(std::vector<uint16_t>(MapCellCount, 30000));
    BrushSettings brush;
    brush.falloff = falloff;
    brush.radius = DabRadius;
    brush.strength = 50;
    BrushStroke raising(brush);
    brush.mode = BrushMode::Lower;
    BrushStroke lowering(brush);
    bool raise = true;
    for (auto _ : state) {
        BrushStroke& stroke = raise ? raising : lowering;
        if (firstOfStroke)
            stroke = BrushStroke(stroke.Brush());
        benchmark::DoNotOptimize(stroke.Dab(heights, 160, 320));
        raise = !raise;
    }
}

void BM_BrushDab64(benchmark::State& state) {
    Dabs(state, BrushFalloff::Smooth, false);
}

void BM_BrushDab64FirstOfStroke(benchmark::State& state) {
    Dabs(state, BrushFalloff::Smooth, true);
}

void BM_BrushDab64FirstOfStrokeLinear(benchmark::State& state) {
    Dabs(state, BrushFalloff::Linear, true);
}
} // namespace

BENCHMARK(BM_CopyTileMap)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloodFillWholeMap)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillWholeMap)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillWholeMapTurned)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyDabBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BrushDab64)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BrushDab64FirstOfStroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BrushDab64FirstOfStrokeLinear)->Unit(benchmark::kMicrosecond);

RATIO_BENCHMARK_MAIN({"BM_FloodFillWholeMap", "BM_CopyTileMap"},
                     {"BM_FillWholeMap", "BM_CopyTileMap"},
                     {"BM_FillWholeMapTurned", "BM_CopyTileMap"},
                     {"BM_BrushDab64", "BM_CopyDabBytes"},
                     {"BM_BrushDab64FirstOfStroke", "BM_CopyDabBytes"},
                     {"BM_BrushDab64FirstOfStrokeLinear", "BM_CopyDabBytes"})

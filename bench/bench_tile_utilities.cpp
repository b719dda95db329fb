// The four tile utilities on a full 640 x 320 map of mixed terrain, each against a plain copy
// of the map (every iteration starts from a fresh copy).

#include "RatioReporter.h"
#include "core/tilemap/TileUtilities.h"

#include <vector>

namespace {

// Grass with fields, forests, towns and shore scattered in, the kind of map the utilities
// are run on.
const TileMap& MixedMap() {
    static const TileMap map = [] {
        const int codes[] = {1, 1, 1, 1, 1, 1, 6, 7, 27, 26, 3, 32, 11, 14, 35, 0, 47};
        ClassicRandom random;
        random.Seed(2024);
        std::vector<TileCell> cells(MapCellCount);
        for (TileCell& cell : cells)
            cell = MakeCell(random.Next() % 4, codes[random.Next() % 17]);
        TileMap tiles;
        tiles.Replace(std::move(cells));
        return tiles;
    }();
    return map;
}

const HeightMap& FlatHeights() {
    static const HeightMap heights = [] {
        HeightMap h;
        h.Replace(std::vector<uint16_t>(MapCellCount, 100));
        return h;
    }();
    return heights;
}

void BM_CopyMap(benchmark::State& state) {
    for (auto _ : state) {
        TileMap tiles = MixedMap();
        benchmark::DoNotOptimize(tiles.Cells().data());
    }
}

template <void (*Utility)(TileMap&, ClassicRandom&)> void RunUtility(benchmark::State& state) {
    ClassicRandom random;
    random.Seed(1);
    for (auto _ : state) {
        TileMap tiles = MixedMap();
        Utility(tiles, random);
        benchmark::DoNotOptimize(tiles.Cells().data());
    }
}

void BM_RandomizeTiles(benchmark::State& state) {
    RunUtility<RandomizeTiles>(state);
}
void BM_ExpandFields(benchmark::State& state) {
    RunUtility<ExpandFields>(state);
}
void BM_FieldTransitions(benchmark::State& state) {
    RunUtility<FieldTransitions>(state);
}

void BM_MarkTileErrors(benchmark::State& state) {
    for (auto _ : state) {
        TileMap tiles = MixedMap();
        HeightMap heights = FlatHeights();
        benchmark::DoNotOptimize(MarkTileErrors(tiles, heights));
    }
}

} // namespace

BENCHMARK(BM_CopyMap)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RandomizeTiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExpandFields)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FieldTransitions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MarkTileErrors)->Unit(benchmark::kMicrosecond);

RATIO_BENCHMARK_MAIN({"BM_RandomizeTiles", "BM_CopyMap"}, {"BM_ExpandFields", "BM_CopyMap"},
                     {"BM_FieldTransitions", "BM_CopyMap"}, {"BM_MarkTileErrors", "BM_CopyMap"})

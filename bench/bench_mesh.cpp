// Speed of the edits that rebuild or repaint: the terrain mesh of a 64 x 64 window (what
// every height change and re-centring costs) and a left-button drag painting 100 cells
// (the tracking step: cursor state, same-cell rule, tile edit, repaint requests). Each
// result carries "x_copy", its time divided by one plain copy of the mesh block.
//
//   build/bench/bench_mesh

#include "core/SilentShell.h"
#include "core/edit/Editor.h"
#include "core/edit/Input.h"
#include "core/mesh/TerrainMesh.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace {
std::unique_ptr<Editor> HillyEditor() {
    auto editor = std::make_unique<Editor>();
    std::vector<uint16_t> heights(MapCellCount);
    std::vector<TileCell> tiles(MapCellCount);
    for (int i = 0; i < MapCellCount; ++i) {
        const double hill = std::sin(i % MapWidth * 0.15) * std::cos(i / MapWidth * 0.11);
        heights[static_cast<size_t>(i)] = static_cast<uint16_t>(32000 + 30000 * hill);
        tiles[static_cast<size_t>(i)] = MakeCell(i % 4, i % TileCatalogueSize);
    }
    editor->heightMap.Replace(std::move(heights));
    editor->tileMap.Replace(std::move(tiles));
    auto& view = editor->view;
    view.TilePixels = 16;
    view.ViewCells = 64;
    BuildTerrainGrid(editor->mesh, 64, 64);
    return editor;
}

// Nanoseconds of one copy of the 64 x 64 window's quads (3,969 x 192 bytes).
double MeshCopyNanoseconds(const TerrainMesh& mesh) {
    const size_t bytes = static_cast<size_t>(TerrainQuadCount(64, 64)) * sizeof(TerrainQuad);
    std::vector<TerrainQuad> target(mesh.quads.size());
    constexpr int Repeats = 2000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < Repeats; ++i) {
        std::memcpy(static_cast<void*>(target.data()), mesh.quads.data(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    const std::chrono::duration<double, std::nano> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / Repeats;
}

// Runs `body` for every iteration and reports its time relative to one mesh copy.
template <typename Body> void TimedAgainstCopy(benchmark::State& state, Editor& editor, Body body) {
    const double copyNs = MeshCopyNanoseconds(editor.mesh);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        body();
    const std::chrono::duration<double, std::nano> elapsed =
        std::chrono::steady_clock::now() - start;
    const double perIteration = elapsed.count() / static_cast<double>(state.iterations());
    state.counters["x_copy"] = perIteration / copyNs;
    state.counters["copy_ns"] = copyNs;
}

void BM_BuildTerrainMesh64(benchmark::State& state) {
    auto editor = HillyEditor();
    SilentShell shell;
    TimedAgainstCopy(state, *editor, [&] {
        BuildTerrainMesh(*editor, shell, 200, 100);
        benchmark::DoNotOptimize(editor->mesh.quads.data());
    });
}
BENCHMARK(BM_BuildTerrainMesh64);

void BM_LeftButtonDragAcross100Cells(benchmark::State& state) {
    auto editor = HillyEditor();
    SilentShell shell;
    editor->SelectedTile = 9;
    TimedAgainstCopy(state, *editor, [&] {
        // Two readings per cell: entering it, then staying, which paints it.
        for (int cell = 0; cell < 100; ++cell) {
            TrackLeftButton(*editor, shell, cell * 16 + 2, 40, {});
            TrackLeftButton(*editor, shell, cell * 16 + 9, 41, {});
        }
        benchmark::DoNotOptimize(editor->tileMap.Cells().data());
    });
}
BENCHMARK(BM_LeftButtonDragAcross100Cells);
} // namespace

BENCHMARK_MAIN();

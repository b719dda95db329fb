// Speed of the edits that rebuild or repaint: the terrain mesh of a 64 x 64 window (what
// the 3D view's first frame of a new window costs), the refill after a one-cell height edit
// (what its next frame costs), and a left-button drag
// painting 100 cells (the tracking step: cursor state, same-cell rule, tile edit, repaint
// requests). The CPU times are printed as multiples of one plain copy of the mesh block (and
// the refill as a multiple of the full build), all from the same run.
//
//   build/bench/bench_mesh --benchmark_repetitions=5
//     --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true

#include "RatioReporter.h"
#include "core/SilentShell.h"
#include "core/edit/Editor.h"
#include "core/input/Input.h"
#include "core/mesh/TerrainMesh.h"
#include "core/mesh/TerrainMeshFollower.h"

#include <benchmark/benchmark.h>

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
    editor->document.ReplaceHeights(std::move(heights));
    editor->document.ReplaceTiles(std::move(tiles));
    auto& view = editor->view;
    view.TilePixels = 16;
    view.ViewCells = 64;
    BuildTerrainGrid(editor->mesh, 64, 64);
    return editor;
}

// The baseline: one plain copy of the 64 x 64 window's quads (3,969 x 192 bytes).
void BM_MeshCopy64(benchmark::State& state) {
    const auto editor = HillyEditor();
    const size_t bytes = static_cast<size_t>(TerrainQuadCount(64, 64)) * sizeof(TerrainQuad);
    std::vector<TerrainQuad> target(editor->mesh.quads.size());
    for (auto _ : state) {
        std::memcpy(static_cast<void*>(target.data()), editor->mesh.quads.data(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MeshCopy64);

void BM_FillTerrainMesh64(benchmark::State& state) {
    auto editor = HillyEditor();
    for (auto _ : state) {
        FillTerrainMesh(editor->mesh, editor->document.Heights(), editor->document.Tiles(), 200,
                        100, 64, 64);
        benchmark::DoNotOptimize(editor->mesh.quads.data());
    }
}
BENCHMARK(BM_FillTerrainMesh64);

// One height edit in the middle of the window, as the 3D view takes it over before its next
// frame: the document announces the cell, and the quads around it are filled again and their
// neighbours' corner normals smoothed again.
void BM_RefillOneEditedCell64(benchmark::State& state) {
    auto editor = HillyEditor();
    TerrainMeshFollower follower(editor->document, editor->mesh);
    follower.BringUpToDate(200, 100, 64);
    uint16_t height = 0;
    for (auto _ : state) {
        editor->document.SetHeight(CellIndex(130, 230), height += 977);
        follower.BringUpToDate(200, 100, 64);
        benchmark::DoNotOptimize(editor->mesh.quads.data());
    }
}
BENCHMARK(BM_RefillOneEditedCell64);

void BM_LeftButtonDragAcross100Cells(benchmark::State& state) {
    auto editor = HillyEditor();
    SilentShell shell;
    editor->SelectedTile = 9;
    for (auto _ : state) {
        // Two readings per cell: entering it, then staying, which paints it.
        for (int cell = 0; cell < 100; ++cell) {
            TrackLeftButton(*editor, shell, cell * 16 + 2, 40, {});
            TrackLeftButton(*editor, shell, cell * 16 + 9, 41, {});
        }
        benchmark::DoNotOptimize(editor->document.Tiles().Cells().data());
    }
}
BENCHMARK(BM_LeftButtonDragAcross100Cells);
} // namespace

RATIO_BENCHMARK_MAIN({"BM_FillTerrainMesh64", "BM_MeshCopy64"},
                     {"BM_RefillOneEditedCell64", "BM_MeshCopy64"},
                     {"BM_RefillOneEditedCell64", "BM_FillTerrainMesh64"},
                     {"BM_LeftButtonDragAcross100Cells", "BM_MeshCopy64"});

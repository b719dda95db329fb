// Time and memory of undo steps: taking back (and doing again) a whole-map tile utility and
// a 1,000-cell stroke, and what bracketing one click as a step costs, beside one plain copy
// of the tile and height maps (what storing whole maps per step would cost). "step_bytes"
// is the memory the step holds.
//
//   build/bench/bench_undo --benchmark_repetitions=5 --benchmark_enable_random_interleaving

#include "core/SilentShell.h"
#include "core/commands/Commands.h"
#include "core/edit/Editor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
std::unique_ptr<Editor> FilledEditor() {
    auto editor = std::make_unique<Editor>();
    std::vector<uint16_t> heights(MapCellCount);
    std::vector<TileCell> tiles(MapCellCount);
    for (int i = 0; i < MapCellCount; ++i) {
        heights[static_cast<size_t>(i)] = static_cast<uint16_t>(i * 7);
        tiles[static_cast<size_t>(i)] = MakeCell(i % 4, i % 2 == 0 ? 1 : 38); // grass, fields
    }
    editor->document.ReplaceHeights(std::move(heights));
    editor->document.ReplaceTiles(std::move(tiles));
    return editor;
}

// The yardstick: one plain copy of both maps, what a whole-map copy per step would cost.
void BM_CopyBothMaps(benchmark::State& state) {
    auto editor = FilledEditor();
    for (auto _ : state) {
        std::vector<TileCell> tiles(editor->document.Tiles().Cells().begin(),
                                    editor->document.Tiles().Cells().end());
        std::vector<uint16_t> heights(editor->document.Heights().Heights().begin(),
                                      editor->document.Heights().Heights().end());
        benchmark::DoNotOptimize(tiles.data());
        benchmark::DoNotOptimize(heights.data());
    }
    state.counters["step_bytes"] = static_cast<double>(MapCellCount * 3);
}
BENCHMARK(BM_CopyBothMaps);

// Times one undo followed by one redo of the editor's last step per iteration.
void TimeUndoRedo(benchmark::State& state, Editor& editor) {
    EditHistory& history = *editor.history;
    for (auto _ : state) {
        history.Undo(editor.document);
        history.Redo(editor.document);
        benchmark::DoNotOptimize(editor.document.Tiles().Cells().data());
    }
    state.counters["step_bytes"] = static_cast<double>(history.Bytes());
}

void BM_UndoRedoRandomizeTiles(benchmark::State& state) {
    auto editor = FilledEditor();
    SilentShell shell;
    ExecuteCommand(*editor, shell, CommandId::RandomizeTiles);
    if (editor->history->StepCount() != 1)
        state.SkipWithError("the utility made no step");
    TimeUndoRedo(state, *editor);
}
BENCHMARK(BM_UndoRedoRandomizeTiles);

void BM_UndoRedoStrokeOf1000Cells(benchmark::State& state) {
    auto editor = FilledEditor();
    editor->history->Begin(editor->document);
    editor->document.EditTiles([](TileMap& tiles) {
        std::fill_n(tiles.Cells().begin() + 5000, 1000, MakeCell(0, 9));
        return WholeMap;
    });
    editor->history->Commit(editor->document, "Paint Tiles");
    TimeUndoRedo(state, *editor);
}
BENCHMARK(BM_UndoRedoStrokeOf1000Cells);

// What every click pays: the layers remembered at its start and compared at its end.
void BM_StepOfOneClick(benchmark::State& state) {
    auto editor = FilledEditor();
    TileCell tile = 0;
    for (auto _ : state) {
        editor->history->Begin(editor->document);
        editor->document.SetTile(100, 100, tile++);
        editor->history->Commit(editor->document, "Paint Tiles");
    }
}
BENCHMARK(BM_StepOfOneClick);
} // namespace

BENCHMARK_MAIN();

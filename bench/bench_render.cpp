// Painting speed of the two views. The texture view is painted as the main window paints
// it (grey where the block does not reach) into windows of 1024 x 1024 and 1600 x 1200
// pixels; each figure is also printed as a multiple of a plain fill of an RGB32 image of the
// same window size from the same run, its baseline (the height view's is 1024 x 1024).
//
//   build/bench/bench_render --benchmark_repetitions=5
//     --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true

#include "RatioReporter.h"
#include "core/ClassicRandom.h"
#include "core/SilentShell.h"
#include "core/edit/Editor.h"
#include "core/files/TargetListFile.h"
#include "core/rails/TargetAreas.h"
#include "core/render/HeightViewPainter.h"
#include "core/render/TextureViewPainter.h"
#include "core/tilemap/TileBitmaps.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

const TileBitmaps& BundledTiles() {
    static const auto tiles = [] {
        auto loaded = std::make_unique<TileBitmaps>();
        SilentShell shell;
        LoadTileBitmaps(*loaded, shell);
        return loaded;
    }();
    return *tiles;
}

// A map of every tile code in every rotation, so that each cell costs a different picture.
std::unique_ptr<Editor> VariedEditor(int tileSize, int cells) {
    auto editor = std::make_unique<Editor>();
    ClassicRandom random;
    random.Seed(7);
    std::vector<TileCell> map(MapCellCount);
    for (TileCell& cell : map)
        cell = MakeCell(random.Next() % 4, random.Next() % TileCatalogueSize);
    editor->document.ReplaceTiles(std::move(map));
    editor->view.TilePixels = tileSize;
    editor->view.ViewCells = cells;
    editor->view.ViewOriginColumn = 200;
    editor->view.ViewOriginRow = 100;
    editor->flags.ShowRailroads = false;
    editor->flags.ShowTargetAreas = false;
    return editor;
}

// Target names from the bundled list and a railroad of 100 sections across the block.
void AddRailsAndTargets(Editor& editor) {
    SilentShell shell;
    LoadTargetAreas(editor, shell);
    editor.document.EditRails([](RailNetwork& rails) {
        for (int i = 0; i < 100; ++i) {
            const int32_t x = (200 - 160 + i % 50) * WorldUnitsPerCell + i * 1000;
            const int32_t y = (100 - 1760 + (i * 7) % 60) * WorldUnitsPerCell;
            rails.RailSections[static_cast<size_t>(i)] =
                RailSection{x, x + 3 * WorldUnitsPerCell, y, y + 2 * WorldUnitsPerCell, 0, 0};
        }
        rails.RailSectionCount = 100;
    });
    editor.flags.ShowRailroads = true;
    editor.flags.ShowTargetAreas = true;
}

void PlainFill(benchmark::State& state, QSize window) {
    QImage image(window, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(20, 40, 60));
        benchmark::DoNotOptimize(image.constBits());
    }
}

void PaintTextureViewLoop(benchmark::State& state, Editor& editor, QSize window) {
    SilentShell shell;
    TextureViewPainter viewPainter(BundledTiles());
    viewPainter.SetBackgroundColour(QColor(128, 128, 128));
    QImage image(window, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        viewPainter.PaintTextureView(painter, image.size(), editor, shell);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The zoom steps: tile pixels and cells per axis.
constexpr std::pair<int, int> ZoomSteps[] = {{16, 64}, {32, 32}, {64, 16},
                                             {96, 10}, {128, 8}, {256, 4}};

void TextureView(benchmark::State& state, int tileSize, int cells, QSize window) {
    const auto editor = VariedEditor(tileSize, cells);
    PaintTextureViewLoop(state, *editor, window);
}

void TextureViewRailsAndTargets(benchmark::State& state, int tileSize, int cells, QSize window) {
    const auto editor = VariedEditor(tileSize, cells);
    AddRailsAndTargets(*editor);
    PaintTextureViewLoop(state, *editor, window);
}

void BM_HeightView(benchmark::State& state) {
    auto editor = VariedEditor(32, 32);
    std::vector<uint16_t> heights(MapCellCount);
    for (int i = 0; i < MapCellCount; ++i)
        heights[static_cast<size_t>(i)] = static_cast<uint16_t>(i * 7);
    editor->document.ReplaceHeights(std::move(heights));
    RebuildHeightShade(editor->document.Heights(), editor->heightShade);
    AddRailsAndTargets(*editor);
    editor->flags.ShowLatLong = true;
    QImage image(HeightViewWidth, HeightViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintHeightView(painter, *editor);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_HeightView)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // Text needs a GUI application; nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    std::vector<std::pair<std::string, std::string>> ratios;
    for (const QSize window : {QSize(1024, 1024), QSize(1600, 1200)}) {
        const std::string size =
            std::to_string(window.width()) + "x" + std::to_string(window.height());
        const std::string fill = "BM_PlainFill_" + size;
        benchmark::RegisterBenchmark(fill.c_str(), PlainFill, window)
            ->Unit(benchmark::kMicrosecond);
        for (const auto& [tileSize, cells] : ZoomSteps) {
            const std::string percent = std::to_string(tileSize * 100 / 64) + "pct_";
            for (const bool overlays : {false, true}) {
                const std::string name =
                    (overlays ? "BM_TextureViewRailsTargets_" : "BM_TextureView_") + percent + size;
                benchmark::RegisterBenchmark(name.c_str(),
                                             overlays ? TextureViewRailsAndTargets : TextureView,
                                             tileSize, cells, window)
                    ->Unit(benchmark::kMicrosecond);
                ratios.emplace_back(name, fill);
            }
        }
    }
    ratios.emplace_back("BM_HeightView", "BM_PlainFill_1024x1024");
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

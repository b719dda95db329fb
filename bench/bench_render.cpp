// Painting speed of the two views. Each texture view figure is printed beside a plain fill of
// the same 1024 x 1024 image from the same run, its baseline.

#include "core/ClassicRandom.h"
#include "core/SilentShell.h"
#include "core/edit/Editor.h"
#include "core/rails/TargetAreas.h"
#include "core/render/HeightViewPainter.h"
#include "core/render/TextureViewPainter.h"
#include "core/tilemap/TileBitmaps.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

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
    editor->tileMap.Replace(std::move(map));
    editor->view.TilePixelWidth = editor->view.TilePixelHeight = tileSize;
    editor->view.ViewColumns = editor->view.ViewRows = cells;
    editor->view.ViewOriginColumn = 200;
    editor->view.ViewOriginRow = 100;
    editor->flags.ShowRailroads = 0;
    editor->flags.ShowTargetAreas = 0;
    return editor;
}

// Target names from the bundled list and a railroad of 100 sections across the block.
void AddRailsAndTargets(Editor& editor) {
    SilentShell shell;
    LoadTargetAreas(editor, shell);
    auto& rails = editor.rails;
    for (int i = 0; i < 100; ++i) {
        const int32_t x = (200 - 160 + i % 50) * WorldUnitsPerCell + i * 1000;
        const int32_t y = (100 - 1760 + (i * 7) % 60) * WorldUnitsPerCell;
        rails.RailSections[static_cast<size_t>(i)] =
            RailSection{x, x + 3 * WorldUnitsPerCell, y, y + 2 * WorldUnitsPerCell, 0, 0};
    }
    rails.RailSectionCount = 100;
    editor.flags.ShowRailroads = 1;
    editor.flags.ShowTargetAreas = 1;
}

void BM_PlainFill(benchmark::State& state) {
    QImage image(1024, 1024, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(20, 40, 60));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PlainFill)->Unit(benchmark::kMicrosecond);

void PaintTextureViewLoop(benchmark::State& state, Editor& editor) {
    SilentShell shell;
    TextureViewPainter viewPainter(BundledTiles());
    QImage image(1024, 1024, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        viewPainter.PaintTextureView(painter, image.size(), editor, shell);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_TextureView(benchmark::State& state) {
    const int tileSize = static_cast<int>(state.range(0));
    const auto editor = VariedEditor(tileSize, tileSize == 96 ? 10 : 1024 / tileSize);
    PaintTextureViewLoop(state, *editor);
}
BENCHMARK(BM_TextureView)
    ->ArgName("tilePixels")
    ->Arg(16)
    ->Arg(32)
    ->Arg(64)
    ->Arg(96)
    ->Arg(128)
    ->Arg(256)
    ->Unit(benchmark::kMicrosecond);

void BM_TextureViewRailsAndTargets(benchmark::State& state) {
    const int tileSize = static_cast<int>(state.range(0));
    const auto editor = VariedEditor(tileSize, 1024 / tileSize);
    AddRailsAndTargets(*editor);
    PaintTextureViewLoop(state, *editor);
}
BENCHMARK(BM_TextureViewRailsAndTargets)
    ->ArgName("tilePixels")
    ->Arg(16)
    ->Arg(32)
    ->Unit(benchmark::kMicrosecond);

void BM_HeightView(benchmark::State& state) {
    auto editor = VariedEditor(32, 32);
    std::vector<uint16_t> heights(MapCellCount);
    for (int i = 0; i < MapCellCount; ++i)
        heights[static_cast<size_t>(i)] = static_cast<uint16_t>(i * 7);
    editor->heightMap.Replace(std::move(heights));
    RebuildHeightShade(editor->heightMap, editor->heightShade);
    AddRailsAndTargets(*editor);
    editor->flags.ShowLatLong = 1;
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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

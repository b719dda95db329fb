// Frame times of the 3D view on the machine's OpenGL (Mesa llvmpipe under Xvfb): a 64 x 64
// block at 640 x 480, untextured, textured in tile batches and textured one call per quad,
// and the time from creating the view to its first frame with all 59 textures loaded.
// The "process_time" runs add up the CPU time of every thread of the process, llvmpipe's
// rasterizer threads included: that is the whole work of a frame, and divided by the number
// of cores it is the least wall time any frame with that work can take.
//
//   xvfb-run -a build/bench/bench_app_terrain --benchmark_filter=process_time
//     --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
//     --benchmark_report_aggregates_only=true
//   xvfb-run -a build/bench/bench_app_terrain --benchmark_filter=StartToFirstFrame

#include "RatioReporter.h"
#include "app/QtShell.h"
#include "app/terrain3d/TerrainViewWindow.h"
#include "core/edit/Editor.h"

#include <GL/gl.h>

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

// A rolling, fully tiled map so that every tile code and rotation shows up in the block.
void LoadHillyMap(Editor& editor) {
    std::vector<uint16_t> heights(MapCellCount);
    std::vector<TileCell> tiles(MapCellCount);
    for (int i = 0; i < MapCellCount; ++i) {
        const int column = i % MapWidth;
        const int row = i / MapWidth;
        const double hill = std::sin(column * 0.15) * std::cos(row * 0.11);
        heights[i] = static_cast<uint16_t>(32000 + 30000 * hill);
        tiles[i] = MakeCell((column / 3 + row) % 4, (column / 2 + row / 5) % TileCatalogueSize);
    }
    editor.document.ReplaceHeights(std::move(heights));
    editor.document.ReplaceTiles(std::move(tiles));
}

void WaitForFirstFrame(const TerrainViewWindow& window) {
    while (window.FramesDrawn() == 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

struct ShownView {
    Editor editor;
    QtShell shell;
    std::unique_ptr<TerrainViewWindow> window;

    ShownView() {
        window = std::make_unique<TerrainViewWindow>(editor, shell);
        if (window->InitTerrainView() != 0) {
            return;
        }
        LoadHillyMap(editor);
        editor.flags.Show3DView = true;
        window->show();
        WaitForFirstFrame(*window);
        editor.view.ViewCells = 64;
        editor.view.TerrainLeft = 200;
        editor.view.TerrainTop = 100;
        BuildTerrainGrid(editor.mesh, 64, 64);
        FillTerrainMesh(editor.mesh, editor.document.Heights(), editor.document.Tiles(), 200, 100,
                        64, 64);
    }
};

void DrawFrames(benchmark::State& state, bool textured, TexturedPass pass) {
    ShownView view;
    if (!view.window->TerrainViewReady()) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    view.editor.flags.ShowTextures = textured ? 1 : 0;
    view.window->MakeContextCurrent(); // binds the window's framebuffer as well
    for (auto _ : state) {
        view.window->Renderer().DrawTerrainFrame(view.editor, pass);
        glFinish();
    }
    view.window->ReleaseContext();
}

void BM_FrameUntextured(benchmark::State& state) {
    DrawFrames(state, false, TexturedPass::Batched);
}
void BM_FrameTexturedBatched(benchmark::State& state) {
    DrawFrames(state, true, TexturedPass::Batched);
}
void BM_FrameTexturedPerQuad(benchmark::State& state) {
    DrawFrames(state, true, TexturedPass::PerQuad);
}

// What a real repaint costs: the view is asked to update and the frame is drawn and swapped
// onto the screen, as when the camera moves.
void BM_FullRepaintTextured(benchmark::State& state) {
    ShownView view;
    if (!view.window->TerrainViewReady()) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    view.editor.flags.ShowTextures = 1;
    // Waits in the event loop (not by polling it) until the frame is on the screen.
    QEventLoop waiting;
    QObject::connect(view.window.get(), &TerrainViewWindow::frameSwapped, &waiting,
                     &QEventLoop::quit);
    for (auto _ : state) {
        view.window->DrawTerrainFrame();
        waiting.exec();
    }
}

void BM_StartToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        Editor editor;
        QtShell shell;
        TerrainViewWindow window(editor, shell);
        if (window.InitTerrainView() != 0) {
            state.SkipWithError("no OpenGL context");
            return;
        }
        editor.flags.Show3DView = true;
        window.show();
        WaitForFirstFrame(window);
    }
}

BENCHMARK(BM_FrameUntextured)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameTexturedBatched)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameTexturedPerQuad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameUntextured)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_FrameTexturedBatched)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_FrameTexturedPerQuad)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_FullRepaintTextured)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    // Process CPU time (all threads, llvmpipe's included) of each frame path as a multiple
    // of the textured frame's GL work alone.
    RatioReporter reporter({{"BM_FrameUntextured", "BM_FrameTexturedBatched"},
                            {"BM_FrameTexturedPerQuad", "BM_FrameTexturedBatched"},
                            {"BM_FullRepaintTextured", "BM_FrameTexturedBatched"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

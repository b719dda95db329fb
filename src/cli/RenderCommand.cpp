// maptool render: a picture of a map as the editor shows it, painted by the editor's own
// view painters into a PNG file. Texture view pictures are painted and written in strips, so
// that even the whole map at 400% needs only a few megabytes.

#include "cli/CliCommand.h"
#include "cli/ConsoleShell.h"
#include "cli/LayerFiles.h"
#include "cli/PngStreamWriter.h"
#include "cli/Refusal.h"
#include "cli/RenderOptions.h"
#include "core/commands/Commands.h"
#include "core/edit/ViewOps.h"
#include "core/edit/Zoom.h"
#include "core/io/DataFolder.h"
#include "core/io/FileIO.h"
#include "core/render/HeightViewPainter.h"
#include "core/render/TextureViewPainter.h"
#include "core/render/WorldFile.h"
#include "core/render/WorldToPixel.h"
#include "core/tilemap/TileBitmaps.h"

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// Pixels of one painted strip: 8 MiB.
constexpr qsizetype StripPixels = 2 * 1024 * 1024;

std::optional<ZoomStep> ZoomStepOfPercent(int percent) {
    for (const CommandId command : {CommandId::Zoom400, CommandId::Zoom200, CommandId::Zoom150,
                                    CommandId::Zoom100, CommandId::Zoom50, CommandId::Zoom25}) {
        const auto step = ZoomStepOf(command);
        if (step && step->tilePixels * 100 == percent * 64)
            return step;
    }
    return std::nullopt;
}

bool LoadHeights(const std::string& path, Editor& editor) {
    auto heights = ReadHeights(path);
    if (!heights)
        return false;
    editor.document.ReplaceHeights(std::move(*heights));
    RebuildHeightShade(editor.document.Heights(), editor.heightShade);
    return true;
}

bool LoadRails(const RenderOptions& options, RailNetwork& rails) {
    if (!options.railsPath.empty()) {
        const auto sections = ReadRailSections(options.railsPath);
        if (!sections)
            return false;
        std::copy(sections->begin(), sections->end(), rails.RailSections.begin());
        rails.RailSectionCount = static_cast<int32_t>(sections->size());
    }
    if (!options.segmentPath.empty()) {
        const auto points = ReadRailPoints(options.segmentPath);
        if (!points)
            return false;
        // As in the editor, the two tables together keep a slot free.
        if (rails.RailSectionCount + static_cast<int64_t>(points->size()) >= RailTableSize) {
            ReportFailure("Error", "Maximum Number of Rail Sections Exceeded");
            return false;
        }
        std::copy(points->begin(), points->end(), rails.PendingRailPoints.begin());
        rails.PendingRailPointCount = static_cast<int32_t>(points->size());
    }
    return true;
}

// Reads the files the options name into the editor; false when one of them failed.
bool LoadLayers(const RenderOptions& options, Editor& editor) {
    if (options.heightView) {
        if (!LoadHeights(options.mapPath, editor))
            return false;
    } else {
        auto cells = ReadTextureMapCells(options.mapPath);
        if (!cells)
            return false;
        editor.document.ReplaceTiles(std::move(*cells));
        if (!options.heightsPath.empty() && !LoadHeights(options.heightsPath, editor))
            return false;
    }
    bool loaded = false;
    editor.document.EditRails([&](RailNetwork& rails) { loaded = LoadRails(options, rails); });
    return loaded;
}

void SetSwitches(const RenderOptions& options, Editor& editor) {
    auto& flags = editor.flags;
    flags.ShowGridlines = HasOverlay(options, "grid");
    flags.ShowLatLong = HasOverlay(options, "latlong");
    flags.ShowRailroads = HasOverlay(options, "rails");
    flags.ShowTargetAreas = HasOverlay(options, "targets");
    flags.Show3DView = HasOverlay(options, "frame");
}

// Places the view as the picture shows it: a square block that holds the region, or the
// zoom step's block at the origin, kept inside the scroll ranges as a scroll would.
void PlaceView(const RenderOptions& options, Editor& editor, ConsoleShell& shell) {
    ViewState& view = editor.view;
    if (options.region) {
        view.ViewOriginColumn = options.region->column;
        view.ViewOriginRow = options.region->row;
        view.ViewCells = std::max(options.region->columns, options.region->rows);
        return;
    }
    view.ViewOriginColumn = options.column;
    view.ViewOriginRow = options.row;
    ClampViewOrigin(editor, shell);
}

PngStreamWriter::Compression CompressionOf(const RenderOptions& options) {
    return options.smallestFile ? PngStreamWriter::Compression::Smallest
                                : PngStreamWriter::Compression::Fast;
}

bool WriteHeightView(const RenderOptions& options, Editor& editor) {
    QImage image(HeightViewWidth, HeightViewHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintHeightView(painter, editor);
    painter.end();
    PngStreamWriter writer(options.outputPath, image.width(), image.height(),
                           CompressionOf(options));
    if (!writer.WriteRows(image) || !writer.Finish())
        return Refuse(writer.Error());
    return true;
}

// The picture's pixels: the region's cells, or the whole block.
QRect PictureRect(const RenderOptions& options, const ViewState& view) {
    if (!options.region)
        return TileBlockRect(view);
    return QRect(0, 0, options.region->columns * view.TilePixels,
                 options.region->rows * view.TilePixels);
}

bool WriteTextureView(const RenderOptions& options, Editor& editor, ConsoleShell& shell,
                      const TileBitmaps& bitmaps) {
    TextureViewPainter viewPainter(bitmaps);
    // Cells whose picture could not be read show white.
    viewPainter.SetBackgroundColour(QColor(Qt::white));
    // The block may reach past a region that is not square: only the region is painted.
    const QRect block = PictureRect(options, editor.view);
    PngStreamWriter writer(options.outputPath, block.width(), block.height(),
                           CompressionOf(options));
    const int stripRows = static_cast<int>(std::max<qsizetype>(1, StripPixels / block.width()));
    QImage strip;
    for (int top = 0; top < block.height(); top += stripRows) {
        const int rows = std::min(stripRows, block.height() - top);
        if (strip.height() != rows)
            strip = QImage(block.width(), rows, QImage::Format_RGB32);
        if (strip.isNull())
            return Refuse("out of memory for a strip of the picture");
        QPainter painter(&strip);
        painter.translate(0, -top);
        viewPainter.PaintTextureView(painter, block.size(), editor, shell);
        painter.end();
        if (!writer.WriteRows(strip))
            return Refuse(writer.Error());
    }
    if (!writer.Finish())
        return Refuse(writer.Error());
    return true;
}

bool WriteWorldFile(const RenderOptions& options, const ViewState& view) {
    const std::string path = WorldFilePath(options.outputPath);
    const std::string text =
        WorldFileText(view.ViewOriginColumn, view.ViewOriginRow, view.TilePixels);
    std::string error;
    const auto* data = reinterpret_cast<const uint8_t*>(text.data());
    if (!WriteFileAtomically(path, std::span(data, text.size()), &error))
        return Refuse("unable to save " + path + ": " + error);
    std::printf("%s has been written.\n", path.c_str());
    return true;
}

// Text needs a GUI application; maptool never opens a window.
std::unique_ptr<QGuiApplication> MakeOffscreenApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "maptool";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int RunRender(const std::vector<std::string>& arguments) {
    RenderOptions options;
    if (!ParseRenderOptions(arguments, options))
        return ExitUsage;
    const auto zoom = ZoomStepOfPercent(options.zoomPercent);
    if (!zoom) {
        Refuse("--zoom takes 25, 50, 100, 150, 200 or 400, not " +
               std::to_string(options.zoomPercent));
        return ExitUsage;
    }
    const auto application = MakeOffscreenApplication();
    const auto editor = std::make_unique<Editor>();
    ConsoleShell shell;
    if (!LoadLayers(options, *editor))
        return ExitFailure;
    SelectZoom(*editor, shell, *zoom);
    PlaceView(options, *editor, shell);
    SetSwitches(options, *editor);
    if (!options.heightView && editor->flags.ShowTargetAreas) {
        if (auto areas = ReadTargetAreas(FindDataFile("TarList.dat")))
            editor->document.SetTargetAreas(std::move(*areas));
    }

    const auto bitmaps = std::make_unique<TileBitmaps>();
    if (!options.heightView) {
        const int failuresBefore = shell.Failures();
        LoadTileBitmaps(*bitmaps, shell);
        if (shell.Failures() > failuresBefore && !options.allowMissingTiles) {
            Refuse("tile pictures are missing or damaged; nothing was written "
                   "(--allow-missing-tiles paints their cells white)");
            return ExitFailure;
        }
    }
    const bool written = options.heightView ? WriteHeightView(options, *editor)
                                            : WriteTextureView(options, *editor, shell, *bitmaps);
    if (!written)
        return ExitFailure;
    const QSize size = options.heightView ? QSize(HeightViewWidth, HeightViewHeight)
                                          : PictureRect(options, editor->view).size();
    std::printf("%s has been written (%dx%d).\n", options.outputPath.c_str(), size.width(),
                size.height());
    if (options.worldFile && !WriteWorldFile(options, editor->view))
        return ExitFailure;
    return ExitSuccess;
}

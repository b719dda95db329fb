// maptool render: a picture of a map as the editor shows it, painted by the editor's own
// view painters into a PNG file.

#include "cli/CliCommand.h"
#include "cli/ConsoleShell.h"
#include "core/commands/Commands.h"
#include "core/edit/ViewOps.h"
#include "core/edit/Zoom.h"
#include "core/height/HeightMapFile.h"
#include "core/io/FileIO.h"
#include "core/rails/RailSegmentFile.h"
#include "core/rails/RailroadDefinitionFile.h"
#include "core/rails/TargetAreas.h"
#include "core/render/HeightViewPainter.h"
#include "core/render/TextureViewPainter.h"
#include "core/tilemap/TextureMapFile.h"
#include "core/tilemap/TileBitmaps.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <sstream>

namespace {

struct RenderOptions {
    std::string mapPath;
    std::string outputPath;
    bool heightView = false;
    int column = 0;
    int row = 0;
    int zoomPercent = 50;
    std::string heightsPath;
    std::string railsPath;
    std::string segmentPath;
    // The editor's start-up switches: railroads and target names on, the rest off.
    std::vector<std::string> overlays{"rails", "targets"};
};

bool Refuse(const std::string& reason) {
    std::fprintf(stderr, "maptool: %s\n", reason.c_str());
    return false;
}

bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    return !text.empty() && failure == std::errc() && stop == end;
}

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, ',');)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

bool ParseOrigin(const std::string& text, RenderOptions& options) {
    const auto parts = SplitCommas(text);
    if (parts.size() != 2 || !ParseInt(parts[0], options.column) ||
        !ParseInt(parts[1], options.row))
        return Refuse("--origin takes COLUMN,ROW, not '" + text + "'");
    return true;
}

bool IsKnownOverlay(const std::string& name) {
    for (const char* known : {"grid", "latlong", "rails", "targets", "frame", "none"})
        if (name == known)
            return true;
    return false;
}

bool ParseOptions(const std::vector<std::string>& arguments, RenderOptions& options) {
    std::vector<std::string> files;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--height-view") {
            options.heightView = true;
            continue;
        }
        if (argument.empty())
            return Refuse("a file name is empty");
        if (argument.size() < 2 || argument[0] != '-') {
            files.push_back(argument);
            continue;
        }
        if (i + 1 == arguments.size())
            return Refuse(argument + " needs a value");
        const std::string& value = arguments[++i];
        if (argument == "--origin") {
            if (!ParseOrigin(value, options))
                return false;
        } else if (argument == "--zoom") {
            if (!ParseInt(value, options.zoomPercent))
                return Refuse("--zoom takes 25, 50, 100, 150, 200 or 400, not '" + value + "'");
        } else if (argument == "--heights") {
            options.heightsPath = value;
        } else if (argument == "--rails") {
            options.railsPath = value;
        } else if (argument == "--segment") {
            options.segmentPath = value;
        } else if (argument == "--overlays") {
            options.overlays = SplitCommas(value);
            for (const std::string& name : options.overlays)
                if (!IsKnownOverlay(name))
                    return Refuse("unknown overlay '" + name + "'");
        } else {
            return Refuse("unknown option '" + argument + "'");
        }
    }
    if (files.size() != 2)
        return Refuse("expected a map file and an output file, got " +
                      std::to_string(files.size()) + " file names");
    options.mapPath = files[0];
    options.outputPath = files[1];
    return true;
}

std::optional<ZoomStep> ZoomStepOfPercent(int percent) {
    for (const CommandId command : {CommandId::Zoom400, CommandId::Zoom200, CommandId::Zoom150,
                                    CommandId::Zoom100, CommandId::Zoom50, CommandId::Zoom25}) {
        const auto step = ZoomStepOf(command);
        if (step && step->tilePixels * 100 == percent * 64)
            return step;
    }
    return std::nullopt;
}

bool HasOverlay(const RenderOptions& options, const char* name) {
    for (const std::string& overlay : options.overlays)
        if (overlay == name)
            return true;
    return false;
}

// Loads the files the options name into the editor; false when one of them failed.
bool LoadLayers(const RenderOptions& options, Editor& editor, ConsoleShell& shell) {
    if (options.heightView) {
        OpenHeightMap(editor, shell, options.mapPath);
        if (!editor.heightMap.HasHeightMap())
            return false;
    } else {
        LoadTextureMap(editor, shell, options.mapPath);
        if (!editor.tileMap.HasTileMap())
            return false;
        if (!options.heightsPath.empty())
            OpenHeightMap(editor, shell, options.heightsPath);
    }
    if (!options.railsPath.empty())
        LoadRailroadDefinition(editor, shell, options.railsPath);
    if (!options.segmentPath.empty())
        LoadRailSegment(editor, shell, options.segmentPath);
    return !shell.Failed();
}

void SetSwitches(const RenderOptions& options, Editor& editor) {
    auto& flags = editor.flags;
    flags.ShowGridlines = HasOverlay(options, "grid");
    flags.ShowLatLong = HasOverlay(options, "latlong");
    flags.ShowRailroads = HasOverlay(options, "rails");
    flags.ShowTargetAreas = HasOverlay(options, "targets");
    flags.Show3DView = HasOverlay(options, "frame");
}

QImage Paint(const RenderOptions& options, Editor& editor, ConsoleShell& shell) {
    if (options.heightView) {
        QImage image(HeightViewWidth, HeightViewHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        PaintHeightView(painter, editor);
        return image;
    }
    const auto bitmaps = std::make_unique<TileBitmaps>();
    LoadTileBitmaps(*bitmaps, shell);
    const int side = editor.view.TilePixels * editor.view.ViewCells;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    TextureViewPainter viewPainter(*bitmaps);
    QPainter painter(&image);
    viewPainter.PaintTextureView(painter, image.size(), editor, shell);
    return image;
}

bool SavePng(const QImage& image, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return Refuse("could not encode the picture");
    std::string error;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    if (!WriteFileAtomically(path, std::span(data, static_cast<size_t>(bytes.size())), &error))
        return Refuse("unable to save " + path + ": " + error);
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
    if (!ParseOptions(arguments, options))
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
    if (!LoadLayers(options, *editor, shell))
        return ExitFailure;
    SelectZoom(*editor, shell, *zoom);
    // Placed like a scroll: the origin is kept inside the scroll ranges.
    editor->view.ViewOriginColumn = options.column;
    editor->view.ViewOriginRow = options.row;
    ClampViewOrigin(*editor, shell);
    SetSwitches(options, *editor);
    if (!options.heightView && editor->flags.ShowTargetAreas)
        LoadTargetAreas(*editor, shell);

    const QImage image = Paint(options, *editor, shell);
    if (!SavePng(image, options.outputPath))
        return ExitFailure;
    std::printf("%s has been written (%dx%d).\n", options.outputPath.c_str(), image.width(),
                image.height());
    return ExitSuccess;
}

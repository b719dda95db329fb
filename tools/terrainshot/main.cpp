// terrainshot TILES.tm HEIGHTS.hm OUT.png [--column C] [--row R] [--size N] [--grid]
//             [--untextured] [--elevation DEG] [--azimuth DEG] [--distance UNITS]
//
// Loads a texture map and a height map, centres the 3D view on cell (C, R) with a block of
// N x N cells (4, 8, 10, 16, 32 or 64; default 32, the editor's start-up zoom), draws one
// frame of the real 3D view at 640 x 480 and saves it. Exit status 0 on success.

#include "app/terrain3d/TerrainViewWindow.h"
#include "cli/ConsoleShell.h"
#include "core/edit/Editor.h"
#include "core/edit/ViewOps.h"
#include "core/files/HeightMapFile.h"
#include "core/files/TextureMapFile.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Options {
    std::string tiles, heights, output;
    int column = 320, row = 160, size = 32;
    bool grid = false, untextured = false;
    float elevation = 35.0f, azimuth = 0.0f, distance = -600.0f;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    if (argc < 4) {
        return false;
    }
    options.tiles = argv[1];
    options.heights = argv[2];
    options.output = argv[3];
    for (int i = 4; i < argc; ++i) {
        const std::string flag = argv[i];
        const bool hasValue = i + 1 < argc;
        if (flag == "--grid") {
            options.grid = true;
        } else if (flag == "--untextured") {
            options.untextured = true;
        } else if (hasValue && flag == "--column") {
            options.column = std::atoi(argv[++i]);
        } else if (hasValue && flag == "--row") {
            options.row = std::atoi(argv[++i]);
        } else if (hasValue && flag == "--size") {
            options.size = std::atoi(argv[++i]);
        } else if (hasValue && flag == "--elevation") {
            options.elevation = std::strtof(argv[++i], nullptr);
        } else if (hasValue && flag == "--azimuth") {
            options.azimuth = std::strtof(argv[++i], nullptr);
        } else if (hasValue && flag == "--distance") {
            options.distance = std::strtof(argv[++i], nullptr);
        } else {
            return false;
        }
    }
    return options.size >= 2 && options.size <= 64;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: terrainshot TILES.tm HEIGHTS.hm OUT.png [--column C] "
                             "[--row R] [--size N] [--grid] [--untextured] [--elevation DEG] "
                             "[--azimuth DEG] [--distance UNITS]\n");
        return 2;
    }
    QApplication app(argc, argv);
    Editor editor;
    ConsoleShell shell;
    TerrainViewWindow window(editor, shell);
    if (window.InitTerrainView() != 0) {
        return 1;
    }
    LoadTextureMap(editor, shell, options.tiles);
    OpenHeightMap(editor, shell, options.heights);
    if (shell.Failed() || !editor.document.Tiles().HasTileMap() ||
        !editor.document.Heights().HasHeightMap()) {
        return 1;
    }
    editor.view.ViewCells = options.size;
    BuildTerrainGrid(editor.mesh, options.size, options.size);
    CenterViewOn(editor, shell, options.column, options.row);
    editor.flags.Show3DView = true;
    editor.flags.ShowTextures = options.untextured ? 0 : 1;
    editor.flags.Show3DGrid = options.grid ? 1 : 0;
    editor.camera = {options.distance, options.elevation, options.azimuth};
    window.show();
    const QImage frame = window.grabFramebuffer();
    if (frame.isNull() || !frame.save(QString::fromStdString(options.output))) {
        std::fprintf(stderr, "terrainshot: cannot write %s\n", options.output.c_str());
        return 1;
    }
    return 0;
}

// tileart: writes the bundled tile and button pictures and renders pictures to check them.
//   tileart tiles <folder>              write the QZ*.bmp files into <folder>
//   tileart sheet <tiles folder> <png>  contact sheet: every tile, four rotations, 64 and 16 px
//   tileart sample <tiles folder> <png> a sample map of joined tiles

#include "SheetRenderer.h"
#include "TileDesigns.h"

#include "core/tilemap/TileCatalogue.h"

#include <QGuiApplication>
#include <cstdio>
#include <string>

namespace {

int WriteTiles(const std::string& folder) {
    for (int code = 0; code < TileCatalogueSize; ++code) {
        const std::string path = folder + "/QZ" + std::string(TileFileName(code));
        if (!WriteIndexedBitmap(DesignTile(code), path)) {
            std::fprintf(stderr, "tileart: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    for (const ButtonPicture& button : DesignButtons()) {
        const std::string path = folder + "/QZ" + button.name;
        if (!WriteIndexedBitmap(button.canvas, path)) {
            std::fprintf(stderr, "tileart: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "tiles" && argc == 3)
        return WriteTiles(argv[2]);
    if ((command == "sheet" || command == "sample") && argc == 4) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv); // fonts for the labels
        const bool saved = command == "sheet" ? RenderContactSheet(argv[2], argv[3])
                                              : RenderSampleMap(argv[2], argv[3]);
        if (!saved)
            std::fprintf(stderr, "tileart: cannot write %s\n", argv[3]);
        return saved ? 0 : 1;
    }
    std::fprintf(stderr,
                 "usage: tileart tiles <folder> | sheet <tiles> <png> | sample <tiles> <png>\n");
    return 2;
}

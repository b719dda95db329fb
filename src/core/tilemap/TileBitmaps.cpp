#include "core/tilemap/TileBitmaps.h"

#include "core/Messages.h"
#include "core/image/TileBitmapImage.h"
#include "core/io/DataFolder.h"

#include <filesystem>

std::string TilePicturePath(std::string_view name) {
    return FindDataFile("tiles/QZ" + std::string(name));
}

void LoadTileBitmaps(TileBitmaps& tiles, Shell& shell) {
    for (int code = 0; code < TileCatalogueSize; ++code) {
        const std::string path = TilePicturePath(TileFileName(code));
        // A picture of another size or depth cannot be turned or drawn as a tile.
        std::optional<TileBitmap> picture = ReadBitmapFile(path);
        if (!picture || !IsTilePicture(*picture)) {
            ShowFailureNotice(shell, WindowId::Main, FormatText("Failed to read %s!", path));
            continue;
        }
        tiles.palettes[code] = CreateBitmapPalette(*picture);
        tiles.images[0][code] = TileBitmapToImage(*picture);
        tiles.bitmaps[0][code] = std::move(picture);
        for (int rotation = 1; rotation < TileRotationCount; ++rotation) {
            std::optional<TileBitmap> turned = RotateTileBitmap(*tiles.bitmaps[0][code], rotation);
            if (!turned) {
                ShowFailureNotice(shell, WindowId::Main,
                                  "Failed to create rotation " + std::to_string(rotation) +
                                      " for " + path + "!");
                return;
            }
            tiles.images[rotation][code] = TileBitmapToImage(*turned);
            tiles.bitmaps[rotation][code] = std::move(turned);
        }
    }
}

std::string PaletteImageName(int index) {
    const bool pressed = index >= PaletteButtonCount;
    const int button = index % PaletteButtonCount;
    switch (button) {
    case 0:
        return pressed ? "drawtiledown.bmp" : "drawtileup.bmp";
    case 1:
        return pressed ? "heightdown.bmp" : "heightup.bmp";
    case 52:
        return pressed ? "CoastU1.bmp" : "Coastu1.bmp";
    case 53:
        return pressed ? "CoastU2.bmp" : "Coastu2.bmp";
    case 60:
        return "CoastTBR.BMP";
    case 61:
    case 62:
    case 63:
        return "blank.bmp";
    default:
        return std::string(TileFileName(button - 2));
    }
}

void LoadPaletteImages(PaletteImages& palette) {
    for (int index = 0; index < PaletteImageCount; ++index) {
        const std::string path = TilePicturePath(PaletteImageName(index));
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            return;
        palette.bitmaps[index] = ReadBitmapFile(path);
        if (palette.bitmaps[index])
            palette.images[index] = TileBitmapToImage(*palette.bitmaps[index]);
    }
}

#pragma once
// The pictures of the 59 catalogue tiles in their four rotations, and the 128 pictures of
// the tool palette's buttons. Each picture is kept as its bitmap block (for the 3D textures
// and the colour table) and as a ready-to-paint image.

#include "core/Shell.h"
#include "core/image/TileBitmap.h"
#include "core/tilemap/TileCatalogue.h"

#include <QImage>
#include <array>
#include <optional>
#include <string>
#include <vector>

constexpr int TileRotationCount = 4;
constexpr int PaletteButtonCount = 64;
constexpr int PaletteImageCount = 2 * PaletteButtonCount;

struct TileBitmaps {
    // [rotation][code]; empty when the tile's file failed to load.
    std::array<std::array<std::optional<TileBitmap>, TileCatalogueSize>, TileRotationCount> bitmaps;
    std::array<std::array<QImage, TileCatalogueSize>, TileRotationCount> images;
    // Colour table of each code's picture, shared by its four rotations.
    std::array<std::vector<PaletteColour>, TileCatalogueSize> palettes;
};

// The path of a picture in the tiles folder: "tiles/QZ" + name, found without regard to case.
std::string TilePicturePath(std::string_view name);

// Loads every catalogue picture and makes its turned copies. A file that cannot be read
// costs one "Failed to read %s!" notice; a turned copy that cannot be made ends the loading
// with "Failed to create rotation %d for %s!".
void LoadTileBitmaps(TileBitmaps& tiles, Shell& shell);

struct PaletteImages {
    // Index k < 64: button k released; 64 + k: button k pressed. Empty when absent.
    std::array<std::optional<TileBitmap>, PaletteImageCount> bitmaps;
    std::array<QImage, PaletteImageCount> images;
};

// The file name of palette image `index` (0-127), as the button table spells it.
std::string PaletteImageName(int index);

// Loads the palette images in index order, stopping silently at the first file that
// cannot be opened: it and every later image stay absent.
void LoadPaletteImages(PaletteImages& palette);

#include "app/terrain3d/TerrainTextures.h"

#include "core/Shell.h"
#include "core/image/LoadDibImage.h"
#include "core/io/DataFolder.h"
#include "core/tilemap/TileCatalogue.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdint>
#include <vector>

namespace {

constexpr char ProgressText[] = "Loading 3D Textures";

// Magenta and black squares of 8 pixels: no tile picture looks like it.
std::vector<uint8_t> PlaceholderPixels() {
    std::vector<uint8_t> pixels;
    pixels.reserve(PlaceholderTextureSize * PlaceholderTextureSize * 3);
    for (int y = 0; y < PlaceholderTextureSize; ++y) {
        for (int x = 0; x < PlaceholderTextureSize; ++x) {
            const bool magenta = ((x / 8) + (y / 8)) % 2 == 0;
            const uint8_t red_blue = magenta ? 255 : 0;
            pixels.insert(pixels.end(), {red_blue, 0, red_blue});
        }
    }
    return pixels;
}

// Fills the bound texture with its parameters and the full mipmap chain of an RGB image
// whose rows are packed without gaps.
void UploadMipmapped(int width, int height, const uint8_t* rgb) {
    glEnable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // Edge clamping: with GL_CLAMP the linear filter blends the texture's border colour into
    // every edge texel, which draws a seam around each cell.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb);
}

bool HoldsWholeImage(const RgbImage& image) {
    return image.width > 0 && image.height > 0 &&
           image.data.size() == size_t(image.width) * size_t(image.height) * 3;
}

} // namespace

void TerrainTextures::LoadTerrainTextures(Shell& shell) {
    Forget();
    GLuint names[TileCatalogueSize] = {};
    glGenTextures(TileCatalogueSize, names);
    shell.BeginProgress(ProgressText, TileCatalogueSize);
    for (int code = 0; code < TileCatalogueSize; ++code) {
        names_[code] = names[code];
        glBindTexture(GL_TEXTURE_2D, names[code]);
        placeholder_[code] = !LoadTerrainTexture(shell, std::string(TileFileName(code)));
        shell.StepProgress();
    }
    shell.EndProgress();
}

bool TerrainTextures::LoadTerrainTexture(Shell& shell, const std::string& fileName) {
    const std::optional<RgbImage> image = LoadDibImage(shell, FindDataFile("tiles/QZ" + fileName));
    if (image && HoldsWholeImage(*image)) {
        UploadMipmapped(image->width, image->height, image->data.data());
        return true;
    }
    static const std::vector<uint8_t> placeholder = PlaceholderPixels();
    UploadMipmapped(PlaceholderTextureSize, PlaceholderTextureSize, placeholder.data());
    return false;
}

void TerrainTextures::Forget() {
    names_.fill(0);
    placeholder_.fill(false);
}

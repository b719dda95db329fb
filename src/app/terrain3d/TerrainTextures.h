#pragma once
// The 3D view's tile textures: one mipmapped OpenGL texture per tile code 0-58, made from the
// same tile pictures as the texture view. A picture that cannot be read gets a placeholder
// texture, so its cells stand out instead of borrowing another tile's picture.

#include <array>
#include <string>

class Shell;

// The 64 x 64 checker of magenta and black given to a tile whose picture failed.
constexpr int PlaceholderTextureSize = 64;

class TerrainTextures {
  public:
    // Loads the 59 textures under the progress dialog "Loading 3D Textures" (59 steps). The
    // texture names are generated, never assumed free, since Qt shares the name space.
    void LoadTerrainTextures(Shell& shell);

    // The texture of a cell's code (bits 0-5 of `tile`); 0, the default texture that never
    // gets an image, for codes 59-63.
    unsigned TextureOf(unsigned tile) const { return names_[tile & 63]; }
    bool IsPlaceholder(int code) const { return placeholder_[code & 63]; }

    // Forgets the textures of a context that is gone.
    void Forget();

  private:
    // Reads "tiles/QZ<fileName>" and fills the texture bound now; false when the picture
    // could not be read (the loader has shown why) and the placeholder was used instead.
    bool LoadTerrainTexture(Shell& shell, const std::string& fileName);

    std::array<unsigned, 64> names_{};
    std::array<bool, 64> placeholder_{};
};

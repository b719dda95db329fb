#pragma once
// The tile pictures at the size of the current zoom step. A turned picture is scaled the
// first time a cell needs it at that step, so that painting a cell is one plain copy and only
// the pictures on screen take memory (at 400% a picture is 256 KiB).

#include "core/tilemap/TileCatalogue.h"

#include <QImage>

#include <array>
#include <functional>

// A scaled picture with its pixels at hand, so that painting many cells reads nothing else.
struct ScaledPicture {
    QImage image;
    const uchar* bits = nullptr; // image.constBits(), null when the picture is missing
    qsizetype bytesPerLine = 0;
};

class ScaledTileCache {
  public:
    static constexpr int RotationCount = 4;

    // The 64 x 64 picture of a code turned by a rotation; a null image when it is missing.
    using Source = std::function<QImage(int rotation, int code)>;

    explicit ScaledTileCache(Source source) : source_(std::move(source)) {}

    // The picture at `tileSize` pixels square, or nullptr when it is missing. A new size
    // forgets the pictures of the previous one.
    const ScaledPicture* Scaled(int rotation, int code, int tileSize);
    // Forgets the scaled pictures, for example after the tile pictures were reloaded.
    void Clear();

  private:
    struct Entry {
        bool made = false;
        ScaledPicture picture;
    };

    Source source_;
    int tileSize_ = 0;
    std::array<std::array<Entry, TileCatalogueSize>, RotationCount> scaled_;
};

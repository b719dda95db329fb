#pragma once
// The tile pictures at the size of the current zoom step. Each turned picture is scaled
// once when the zoom step changes, so that painting a cell is one plain copy.

#include "core/tilemap/TileCatalogue.h"

#include <QImage>

#include <array>
#include <functional>

class ScaledTileCache {
  public:
    static constexpr int RotationCount = 4;

    // The 64 x 64 picture of a code turned by a rotation; a null image when it is missing.
    using Source = std::function<QImage(int rotation, int code)>;

    explicit ScaledTileCache(Source source) : source_(std::move(source)) {}

    // The picture at `tileSize` pixels square, or nullptr when it is missing. Rescales all
    // pictures when the size differs from the previous call.
    const QImage* Scaled(int rotation, int code, int tileSize);
    // Forgets the scaled pictures, for example after the tile pictures were reloaded.
    void Clear() { tileSize_ = 0; }

  private:
    void Rescale(int tileSize);

    Source source_;
    int tileSize_ = 0;
    std::array<std::array<QImage, TileCatalogueSize>, RotationCount> scaled_;
};

#include "core/render/ScaledTileCache.h"

const QImage* ScaledTileCache::Scaled(int rotation, int code, int tileSize) {
    if (rotation < 0 || rotation >= RotationCount || code < 0 || code >= TileCatalogueSize)
        return nullptr;
    if (tileSize != tileSize_)
        Rescale(tileSize);
    const QImage& image = scaled_[static_cast<size_t>(rotation)][static_cast<size_t>(code)];
    return image.isNull() ? nullptr : &image;
}

void ScaledTileCache::Rescale(int tileSize) {
    tileSize_ = tileSize;
    for (int rotation = 0; rotation < RotationCount; ++rotation) {
        for (int code = 0; code < TileCatalogueSize; ++code) {
            QImage picture = source_ ? source_(rotation, code) : QImage();
            if (!picture.isNull() && picture.size() != QSize(tileSize, tileSize)) {
                // Nearest pixel, no smoothing: the tiles keep their hard edges when enlarged.
                picture = picture.scaled(tileSize, tileSize, Qt::IgnoreAspectRatio,
                                         Qt::FastTransformation);
            }
            if (!picture.isNull())
                picture = picture.convertToFormat(QImage::Format_RGB32);
            scaled_[static_cast<size_t>(rotation)][static_cast<size_t>(code)] = picture;
        }
    }
}

#include "core/render/ScaledTileCache.h"

const ScaledPicture* ScaledTileCache::Scaled(int rotation, int code, int tileSize) {
    if (rotation < 0 || rotation >= RotationCount || code < 0 || code >= TileCatalogueSize)
        return nullptr;
    if (tileSize != tileSize_) {
        Clear();
        tileSize_ = tileSize;
    }
    Entry& entry = scaled_[static_cast<size_t>(rotation)][static_cast<size_t>(code)];
    if (!entry.made) {
        entry.made = true;
        QImage picture = source_ ? source_(rotation, code) : QImage();
        if (!picture.isNull() && picture.size() != QSize(tileSize, tileSize)) {
            // Nearest pixel, no smoothing: the tiles keep their hard edges when enlarged.
            picture =
                picture.scaled(tileSize, tileSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        }
        if (!picture.isNull())
            picture = picture.convertToFormat(QImage::Format_RGB32);
        if (!picture.isNull()) {
            entry.picture.bits = picture.constBits();
            entry.picture.bytesPerLine = picture.bytesPerLine();
            entry.picture.image = std::move(picture);
        }
    }
    return entry.picture.bits ? &entry.picture : nullptr;
}

void ScaledTileCache::Clear() {
    tileSize_ = 0;
    for (auto& rotation : scaled_)
        for (Entry& entry : rotation)
            entry = Entry{};
}

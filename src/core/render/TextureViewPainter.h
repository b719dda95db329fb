#pragma once
// Paints the texture view: the block of cells named by the view's origin and zoom, each
// with its turned tile picture, magenta outside the map and for codes 59-63, optional grid
// frames, and the overlays on top.

#include "core/Shell.h"
#include "core/edit/Editor.h"
#include "core/render/ScaledTileCache.h"

#include <QPainter>
#include <QSize>

struct TileBitmaps;

class TextureViewPainter {
  public:
    // Paints with the loaded tile pictures; `bitmaps` must outlive the painter.
    explicit TextureViewPainter(const TileBitmaps& bitmaps);
    // Paints with pictures from any source (64 x 64, already turned).
    explicit TextureViewPainter(ScaledTileCache::Source tiles) : tiles_(std::move(tiles)) {}

    // Paints into a client area of `client` pixels; pixels right of or below the block are
    // left alone. Without a tile map the view shows "No texture data loaded." on white.
    void PaintTextureView(QPainter& painter, QSize client, const Editor& editor, Shell& shell);
    // To be called when the tile pictures were loaded again.
    void TilePicturesChanged() { tiles_.Clear(); }

  private:
    void PaintTiles(QPainter& painter, const Editor& editor);

    ScaledTileCache tiles_;
};

// The colour of cells outside the map and of codes without a tile picture (59-63).
inline const QColor OutsideMapColour{255, 0, 255};

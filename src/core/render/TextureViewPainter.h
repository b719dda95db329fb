#pragma once
// Paints the texture view: the block of cells named by the view's origin and zoom, each
// with its turned tile picture, magenta outside the map and for codes 59-63, optional grid
// frames, and the overlays on top, kept inside the block.

#include "core/Shell.h"
#include "core/edit/Editor.h"
#include "core/render/ScaledTileCache.h"
#include "core/render/TileBlockWriter.h"

#include <QPainter>
#include <QSize>

#include <optional>

struct TileBitmaps;

class TextureViewPainter {
  public:
    // Paints with the loaded tile pictures; `bitmaps` must outlive the painter.
    explicit TextureViewPainter(const TileBitmaps& bitmaps);
    // Paints with pictures from any source (64 x 64, already turned).
    explicit TextureViewPainter(ScaledTileCache::Source tiles) : tiles_(std::move(tiles)) {}

    // Paints into a client area of `client` pixels; pixels right of or below the block get
    // the background colour, if any. Without a tile map the view shows "No texture data loaded." on
    // white.
    void PaintTextureView(QPainter& painter, QSize client, const Editor& editor, Shell& shell);
    // To be called when the tile pictures were loaded again.
    void TilePicturesChanged() { tiles_.Clear(); }
    // The window's background colour: filled where the block does not reach and under cells
    // whose picture is missing. Without one, those pixels stay as they were.
    void SetBackgroundColour(std::optional<QColor> colour) { background_ = colour; }
    // Paints the tiles cell by cell through the painter even where the target's pixels could
    // be written directly (the slower way, kept as the reference for the direct one).
    void SetCellByCell(bool cellByCell) { cellByCell_ = cellByCell; }

  private:
    void PaintTiles(QPainter& painter, const Editor& editor);
    void PaintTilesCellByCell(QPainter& painter, const Editor& editor);

    ScaledTileCache tiles_;
    std::optional<QColor> background_;
    bool cellByCell_ = false;
};

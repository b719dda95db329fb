#include "core/render/TextureViewPainter.h"

#include "core/render/PaintPrimitives.h"
#include "core/render/TextureViewOverlays.h"
#include "core/tilemap/TileBitmaps.h"

TextureViewPainter::TextureViewPainter(const TileBitmaps& bitmaps)
    : tiles_([&bitmaps](int rotation, int code) {
          return bitmaps.images[static_cast<size_t>(rotation)][static_cast<size_t>(code)];
      }) {}

void TextureViewPainter::PaintTextureView(QPainter& painter, QSize client, const Editor& editor,
                                          Shell& /*shell*/) {
    if (!editor.tileMap.HasTileMap()) {
        DrawNoDataMessage(painter, PixelRect{0, 0, client.width(), client.height()},
                          QStringLiteral("No texture data loaded."));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintTiles(painter, editor);
    PaintTextureViewOverlays(painter, client, editor);
}

void TextureViewPainter::PaintTiles(QPainter& painter, const Editor& editor) {
    const ViewState& view = editor.view;
    const int w = view.TilePixels;
    const int h = view.TilePixels;
    const bool grid = editor.flags.ShowGridlines;
    for (int row = view.ViewOriginRow; row < view.ViewOriginRow + view.ViewCells; ++row) {
        const int top = (row - view.ViewOriginRow) * h;
        for (int column = view.ViewOriginColumn; column < view.ViewOriginColumn + view.ViewCells;
             ++column) {
            const PixelRect cell{(column - view.ViewOriginColumn) * w, top,
                                 (column - view.ViewOriginColumn + 1) * w, top + h};
            if (IsInsideMap(row, column)) {
                const TileCell value = editor.tileMap.At(row, column);
                const int code = CodeOf(value);
                if (code >= TileCatalogueSize) {
                    // Codes without a picture get no grid frame either.
                    FillRect(painter, cell, OutsideMapColour);
                    continue;
                }
                // A missing picture leaves the cell as it was; its frame is still drawn.
                if (const QImage* picture = tiles_.Scaled(RotationOf(value), code, w))
                    painter.drawImage(QPoint(cell.left, cell.top), *picture);
            } else {
                FillRect(painter, cell, OutsideMapColour);
            }
            if (grid)
                FrameRect(painter, cell, Qt::black);
        }
    }
}

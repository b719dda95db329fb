#include "core/render/TextureViewPainter.h"

#include "core/paint/PaintPrimitives.h"
#include "core/render/RasterTarget.h"
#include "core/render/TextureViewOverlays.h"
#include "core/render/WorldToPixel.h"
#include "core/tilemap/TileBitmaps.h"

#include <QRegion>

TextureViewPainter::TextureViewPainter(const TileBitmaps& bitmaps)
    : tiles_([&bitmaps](int rotation, int code) {
          return bitmaps.images[static_cast<size_t>(rotation)][static_cast<size_t>(code)];
      }) {}

void TextureViewPainter::PaintTextureView(QPainter& painter, QSize client, const Editor& editor,
                                          Shell& /*shell*/) {
    if (!editor.document.Tiles().HasTileMap()) {
        DrawNoDataMessage(painter, PixelRect{0, 0, client.width(), client.height()},
                          QStringLiteral("No texture data loaded."));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect block = TileBlockRect(editor.view);
    if (background_) {
        for (const QRect& empty : QRegion(0, 0, client.width(), client.height()).subtracted(block))
            painter.fillRect(empty, *background_);
    }
    PaintTiles(painter, editor);
    // Lines, names and handles end at the block's edge, never in the window's empty part;
    // whatever lies beyond the paint device need not be drawn either.
    const QRect device = painter.combinedTransform().inverted().mapRect(painter.viewport());
    painter.save();
    painter.setClipRect(block & QRect(QPoint(0, 0), client) & device, Qt::IntersectClip);
    PaintTextureViewOverlays(painter, client, editor);
    painter.restore();
}

void TextureViewPainter::PaintTiles(QPainter& painter, const Editor& editor) {
    const auto target = cellByCell_ ? std::nullopt : RasterTargetOf(painter);
    if (!target) {
        PaintTilesCellByCell(painter, editor);
        return;
    }
    for (const QRect& part : target->WritableParts(TileBlockRect(editor.view)))
        WriteTileBlock(*target, part, editor, tiles_, background_);
}

void TextureViewPainter::PaintTilesCellByCell(QPainter& painter, const Editor& editor) {
    const ViewState& view = editor.view;
    const int w = view.TilePixels;
    const int h = view.TilePixels;
    const bool grid = editor.flags.ShowGridlines;
    for (int r = 0; r < view.ViewCells; ++r) {
        for (int c = 0; c < view.ViewCells; ++c) {
            const PixelRect cell{c * w, r * h, (c + 1) * w, (r + 1) * h};
            const CellLook look = LookOfCell(editor, tiles_, view.ViewOriginRow + r,
                                             view.ViewOriginColumn + c, background_);
            if (look.picture)
                painter.drawImage(QPoint(cell.left, cell.top), look.picture->image);
            else if (look.fill)
                FillRect(painter, cell, *look.fill);
            if (grid && look.framed)
                FrameRect(painter, cell, Qt::black);
        }
    }
}

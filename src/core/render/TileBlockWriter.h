#pragma once
// What each cell of the texture view's block shows, and a writer that puts the block's
// pixels straight into a raster target, row by row, with the same result as painting each
// cell's picture, fill and grid frame in turn.

#include "core/edit/Editor.h"
#include "core/render/RasterTarget.h"
#include "core/render/ScaledTileCache.h"

#include <QColor>

#include <optional>

// The colour of cells outside the map and of codes without a tile picture (59-63).
inline const QColor OutsideMapColour{255, 0, 255};

struct CellLook {
    const ScaledPicture* picture = nullptr; // the scaled picture, when the cell shows one
    std::optional<QColor> fill;             // otherwise a fill, or nothing (the pixels stay)
    bool framed = true;                     // gets a grid frame when the grid is on
};

// The look of map cell (row, column): its turned picture; magenta outside the map and, with
// no frame, for codes without a picture; `uncovered` (or nothing) when the picture is missing.
CellLook LookOfCell(const Editor& editor, ScaledTileCache& tiles, int row, int column,
                    std::optional<QColor> uncovered);

// Writes the part `part` (painter coordinates, block at the origin) of the view's block.
void WriteTileBlock(const RasterTarget& target, const QRect& part, const Editor& editor,
                    ScaledTileCache& tiles, std::optional<QColor> uncovered);

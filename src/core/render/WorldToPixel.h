#pragma once
// From world units (2^18 per cell) to pixels of the two views.

#include "core/edit/Editor.h"

#include <QPoint>
#include <QRect>

// The texture view's mapping: scale = TilePixels / 2^18 pixels per world unit (single
// precision, the same on both axes) from the world point of the view's top-left corner.
struct TextureViewMapping {
    float scale = 0;
    int64_t originX = 0;
    int64_t originY = 0;

    // pixel = (world - origin) x scale, truncated toward zero. Points far outside the view
    // are kept to a range that stays safe to draw with.
    QPoint ToPixel(int32_t worldX, int32_t worldY) const;
};

TextureViewMapping MappingOf(const ViewState& view);

// The pixels of the view's block of cells, from the top-left corner of the view.
QRect TileBlockRect(const ViewState& view);

// The height view's mapping, one pixel per cell: floor(world / 2^18) + 160 on x and + 1760
// on y.
QPoint HeightViewPixel(int32_t worldX, int32_t worldY);

#include "core/render/WorldToPixel.h"

#include <algorithm>
#include <cmath>

namespace {

// Far enough outside any view that a line to it is still drawn in the right direction,
// near enough that the painter's fixed-point arithmetic does not overflow.
constexpr float PixelLimit = 1 << 20;

int ScaledOffset(int64_t offset, float scale) {
    const float pixel = std::trunc(static_cast<float>(offset) * scale);
    return static_cast<int>(std::clamp(pixel, -PixelLimit, PixelLimit));
}

} // namespace

QPoint TextureViewMapping::ToPixel(int32_t worldX, int32_t worldY) const {
    return QPoint(ScaledOffset(worldX - originX, scale), ScaledOffset(worldY - originY, scale));
}

TextureViewMapping MappingOf(const ViewState& view) {
    TextureViewMapping mapping;
    mapping.scale = static_cast<float>(view.TilePixels) / static_cast<float>(WorldUnitsPerCell);
    mapping.originX = (int64_t{view.ViewOriginColumn} - WorldOriginColumn) * WorldUnitsPerCell;
    mapping.originY = (int64_t{view.ViewOriginRow} - WorldOriginRow) * WorldUnitsPerCell;
    return mapping;
}

QPoint HeightViewPixel(int32_t worldX, int32_t worldY) {
    return QPoint(CellOfWorld(worldX, WorldOriginColumn), CellOfWorld(worldY, WorldOriginRow));
}

QRect TileBlockRect(const ViewState& view) {
    return QRect(0, 0, view.TilePixels * view.ViewCells, view.TilePixels * view.ViewCells);
}

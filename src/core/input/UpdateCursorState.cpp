#include "core/input/Input.h"

#include <cstdint>

namespace {
// 32-bit signed arithmetic that wraps like the machine does, without overflowing in C++.
int32_t Wrap32(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// World coordinate of view cell `cell` plus `offset` pixels into it.
int32_t WorldCoordinate(int32_t cell, int32_t origin, int32_t worldOrigin, int32_t offset,
                        int32_t tilePixels) {
    const int32_t cellPart =
        Wrap32((static_cast<int64_t>(cell) + origin - worldOrigin) * WorldUnitsPerCell);
    const int32_t inside = Wrap32(static_cast<int64_t>(offset) * WorldUnitsPerCell) / tilePixels;
    return Wrap32(static_cast<int64_t>(cellPart) + inside);
}
} // namespace

void UpdateCursorState(Editor& editor, int clientX, int clientY) {
    auto& cursor = editor.cursor;
    const auto& view = editor.view;
    // C++ division truncates toward zero and the remainder takes the sign of x, as needed.
    cursor.MouseX = clientX;
    cursor.PrevMouseColumn = cursor.MouseColumn;
    const int32_t i = clientX / view.TilePixels;
    const int32_t fx = clientX % view.TilePixels;
    cursor.MouseY = clientY;
    cursor.PrevMouseRow = cursor.MouseRow;
    const int32_t j = clientY / view.TilePixels;
    const int32_t fy = clientY % view.TilePixels;
    cursor.MouseColumn = i;
    cursor.MouseRow = j;
    cursor.MouseWorldX =
        WorldCoordinate(i, view.ViewOriginColumn, WorldOriginColumn, fx, view.TilePixels);
    cursor.MouseWorldY =
        WorldCoordinate(j, view.ViewOriginRow, WorldOriginRow, fy, view.TilePixels);
}

#pragma once
// Copies one pixel row of many small tile pictures side by side into an image row: the inner
// loop of the texture view's block at small zoom steps, where per-cell overhead and the
// number of store instructions decide the paint time.

#include <cstdint>

// For each of `count` cells of `width` pixels (the zoom steps' 16, 32, 64, 96, 128 or 256), copies
// row `inCell` of `pictures[i]` (rows `width` pixels apart) to `row + i * width`; cells whose
// picture is null are left alone. Other widths copy nothing and return false.
bool CopyCellRows(uint32_t* row, const uint32_t* const* pictures, int count, int width, int inCell);

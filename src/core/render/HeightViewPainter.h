#pragma once
// Paints the height view: the whole map at one pixel per cell through the height palette,
// with latitude and longitude lines, the rail network and a white frame around the block
// that the texture view and the 3D preview show.

#include "core/edit/Editor.h"

#include <QPainter>

constexpr int HeightViewWidth = MapWidth;
constexpr int HeightViewHeight = MapHeight;

// Paints the 640 x 320 client area: "No height data loaded." on white without a height map.
void PaintHeightView(QPainter& painter, const Editor& editor);

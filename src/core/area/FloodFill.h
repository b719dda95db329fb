#pragma once
// Flood fill of the tile map: the 4-connected area of cells that share the start cell's tile
// code (rotation ignored) becomes `fill`.

#include "core/area/CellRect.h"
#include "core/tilemap/TileMap.h"

// Fills from (row, column) and returns the rectangle of the cells written (empty when the
// start is off the map or there is no tile map).
CellRect FloodFill(TileMap& tiles, int row, int column, TileCell fill);

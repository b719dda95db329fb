#pragma once
// The river tile that joins a cell to the given sides, turned as painting rivers with
// AutoDraw Rivers leaves it: the end, the straight piece, the bend and the fork.

#include "core/tilemap/TileCatalogue.h"

// Sides as bits, in the order in which a quarter turn moves the river end's side.
enum RiverSide : int { SouthSide = 1, WestSide = 2, NorthSide = 4, EastSide = 8 };

// A lone river cell (no side) is an unturned river end; four sides give the fork.
TileCell RiverCellFor(int sides);

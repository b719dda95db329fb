#pragma once
// Joining a freshly painted river end to the river end beside it.

#include "core/tilemap/TileMap.h"

// Joins the river end just painted at (row, column) to the first adjacent river end found
// above, below, right or left, turning both to fit; nothing when none is adjacent.
void JoinRiverAt(TileMap& tiles, int row, int column);

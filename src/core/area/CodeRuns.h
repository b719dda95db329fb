#pragma once
// Runs of cells of one tile code (rotation ignored) along a row of the tile map, found 16
// cells at a time where the processor allows: the flood fill scans whole rows with these.

#include "core/tilemap/TileCatalogue.h"

// The first index in [from, end) whose cell has code `code`; `end` when there is none.
int NextCellOfCode(const TileCell* row, int from, int end, TileCode code);
// The first index in [from, end) whose cell has another code; `end` when there is none.
int NextCellNotOfCode(const TileCell* row, int from, int end, TileCode code);

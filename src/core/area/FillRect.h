#pragma once
// Filling a rectangle of the tile map with one tile.

#include "core/ClassicRandom.h"
#include "core/area/CellRect.h"
#include "core/tilemap/TileMap.h"

// Whether filled cells of `code` get a random quarter turn each: plain fields and forests,
// whose pictures have no edge that a turn could break, so a fill does not look stamped.
bool FillTurnsRandomly(TileCode code);

// Writes `code` into every cell of `rect` on the map (rotation 0, or a random turn drawn per
// cell in row order where FillTurnsRandomly). Returns the cells written.
CellRect FillRect(TileMap& tiles, CellRect rect, TileCode code, ClassicRandom& random);

#pragma once
// The four whole-map operations of the "Tile &Utilities" menu. Each rewrites the tile map in
// place by fixed local rules (a cell changed early in a scan is what later cells of the same
// scan see) and does nothing when no tile map is loaded. Random numbers come from the given
// generator; the callers seed it with the time in seconds before RandomizeTiles and
// FieldTransitions, and not before the other two.

#include "core/ClassicRandom.h"
#include "core/height/HeightMap.h"
#include "core/tilemap/TileMap.h"

// Varies plain tiles (grass, water, coast, fields, rivers, forests, roads) and turns them.
void RandomizeTiles(TileMap& tiles, ClassicRandom& random);
// Grows plain fields by at most one cell in each direction into neighbouring grass.
void ExpandFields(TileMap& tiles, ClassicRandom& random);
// Places fields and towns along the shore, fills squeezed grass with fields and turns grass
// bordering solid ground into the edge, corner and inner-corner transition tiles.
void FieldTransitions(TileMap& tiles, ClassicRandom& random);
// Marks interior cells whose forest, town or shore edges are not continued by their
// neighbours (65535 for forests and unfinished fields, 65500 for towns and shores) in the
// height map. Returns false when a tile map exists but there is no height map to hold the
// marks (the caller tells the user); without a tile map it does nothing and returns true.
bool MarkTileErrors(const TileMap& tiles, HeightMap& heights);

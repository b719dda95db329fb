#pragma once
// Where the 3D view marks the pointer while the pointer is handed over to it: on the terrain,
// at the cell of the block where the pointer left the texture view.

#include "core/mesh/TerrainMesh.h"
#include "core/mesh/Vector3.h"

// The centre of the terrain quad at the cell under client pixel (clientX, clientY) of a texture
// view of `tilePixels`-pixel cells showing a block of `cells` cells a side (the place of
// the hand-over), kept inside the block; the origin when the block has no quads.
Vector3 PointerMarkerPosition(const TerrainMesh& mesh, int cells, int tilePixels, int clientX,
                              int clientY);

#pragma once
// Where the 3D view marks the pointer while the pointer is handed over to it: on the terrain,
// at the cell of the block where the pointer left the texture view.

#include "core/mesh/TerrainMesh.h"
#include "core/mesh/Vector3.h"

// The centre of the quad of `mesh`, a `cells` x `cells` window shown with tiles of
// `tilePixels`, at the cell under the texture view's client position (clientX, clientY) (the
// place of the hand-over), kept inside the window; the origin when the window has no quads.
Vector3 PointerMarkerPosition(const TerrainMesh& mesh, int cells, int tilePixels, int clientX,
                              int clientY);

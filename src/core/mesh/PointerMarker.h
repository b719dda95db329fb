#pragma once
// Where the 3D view marks the pointer while the pointer is handed over to it: on the terrain,
// at the cell of the block where the pointer left the texture view.

#include "core/mesh/Vector3.h"

struct Editor;

// The centre of the terrain quad at the cell under the cursor state's client position (the
// place of the hand-over), kept inside the block; the origin when the block has no quads.
Vector3 PointerMarkerPosition(const Editor& editor);

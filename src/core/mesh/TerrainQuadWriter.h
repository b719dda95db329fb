#pragma once
// Writing a row of terrain quads whole, vertex by vertex, from their grid points and their
// smoothed corner normals.

#include "core/mesh/TerrainMesh.h"

// What a vertex takes from its grid point: the colour, and the position behind a spare lane
// (the vertex's normal z goes there, so that its last 16 bytes are one move).
struct alignas(16) GridVertex {
    float colour[4];
    float spare, x, y, z;
};

// The corner normals of a row of quads: normals[k][c][q] is component c of the normal of
// vertex k of quad q. Each array holds `count` rounded up to a multiple of 4 lanes.
using CornerNormalRows = const float* const (&)[4][3];

// Writes all of quads[0] to quads[count - 1]: texture coordinates, colour, normal, position.
// Quad q's vertices 0 and 3 take grid points upper[q] and upper[q + 1], vertices 1 and 2
// lower[q] and lower[q + 1].
void WriteTerrainQuadRow(TerrainQuad* quads, int count, const GridVertex* upper,
                         const GridVertex* lower, CornerNormalRows normals);

#include "core/mesh/PointerMarker.h"

#include "core/map/MapGeometry.h"

#include <algorithm>

Vector3 PointerMarkerPosition(const TerrainMesh& mesh, int cells, int tilePixels, int clientX,
                              int clientY) {
    const int quadCount = TerrainQuadCount(cells, cells);
    if (quadCount <= 0 || tilePixels <= 0 || static_cast<size_t>(quadCount) > mesh.quads.size())
        return {0.0f, 0.0f, 0.0f};
    // A block of n cells has n - 1 quads a side; the last cell shares the quad before it.
    const int column = std::clamp(FloorDivide(clientX, tilePixels), 0, cells - 2);
    const int row = std::clamp(FloorDivide(clientY, tilePixels), 0, cells - 2);
    const TerrainQuad& quad = mesh.quads[static_cast<size_t>(row * (cells - 1) + column)];
    Vector3 centre{0.0f, 0.0f, 0.0f};
    for (const TerrainVertex& vertex : quad.vertices)
        AddVector(centre, vertex.position);
    for (float& axis : centre)
        axis /= 4.0f;
    return centre;
}

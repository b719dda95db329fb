#include "app/terrain3d/TexturedQuadBatch.h"

#include <algorithm>

const std::array<std::array<TexCoord, 4>, 4> RotationTexCoords{{
    {{{0, 1}, {0, 0}, {1, 0}, {1, 1}}},
    {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}},
    {{{1, 0}, {1, 1}, {0, 1}, {0, 0}}},
    {{{1, 1}, {0, 1}, {0, 0}, {1, 0}}},
}};

void SetQuadTexCoords(TerrainQuad& quad, uint32_t quadTile) {
    const auto& coords = RotationTexCoords[(quadTile >> 6) & 3];
    for (size_t k = 0; k < 4; ++k) {
        quad.vertices[k].s = coords[k].s;
        quad.vertices[k].t = coords[k].t;
    }
}

TexturedQuadBatch::TexturedQuadBatch() : quads_(TerrainQuadCapacity) {
    triangleIndices_.reserve(size_t(TerrainQuadCapacity) * TrianglesPerQuad * 3);
    for (uint32_t first = 0; first < 4u * TerrainQuadCapacity; first += 4) {
        triangleIndices_.insert(triangleIndices_.end(),
                                {first, first + 1, first + 2, first, first + 2, first + 3});
    }
}

void TexturedQuadBatch::Rebuild(const TerrainMesh& mesh, int quadCount) {
    const int mesh_size = static_cast<int>(std::min(mesh.quads.size(), mesh.QuadTile.size()));
    quadCount_ = std::clamp(quadCount, 0, std::min(mesh_size, TerrainQuadCapacity));

    // Counting sort by tile code: count, lay the runs end to end, then place each quad.
    std::array<int, TileCodeCount> counts{};
    for (int i = 0; i < quadCount_; ++i) {
        ++counts[mesh.QuadTile[i] & 63];
    }
    int next = 0;
    for (int code = 0; code < TileCodeCount; ++code) {
        runs_[code] = {next, counts[code]};
        next += counts[code];
    }
    std::array<int, TileCodeCount> fill{};
    for (int i = 0; i < quadCount_; ++i) {
        const uint32_t tile = mesh.QuadTile[i];
        const uint32_t code = tile & 63;
        TerrainQuad& quad = quads_[runs_[code].firstQuad + fill[code]++];
        quad = mesh.quads[i];
        SetQuadTexCoords(quad, tile);
    }
}

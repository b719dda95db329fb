#pragma once
// The textured pass's copy of the terrain mesh: quads grouped by tile code, each with the
// texture coordinates of its tile's rotation, so that every tile code is drawn with one bind
// and one draw call instead of one call per quad.

#include "core/mesh/TerrainMesh.h"
#include "core/tilemap/TileCatalogue.h"

#include <array>
#include <span>
#include <vector>

// Texture coordinates (s, t) of vertices 0 ... 3 for tile rotation 0 ... 3: each step turns
// the picture a quarter turn on the cell.
struct TexCoord {
    float s;
    float t;
};
extern const std::array<std::array<TexCoord, 4>, 4> RotationTexCoords;

// Writes the texture coordinates of a quad's tile rotation (bits 6-7 of `quadTile`).
void SetQuadTexCoords(TerrainQuad& quad, uint32_t quadTile);

// Each quad is drawn as the two triangles (0, 1, 2) and (0, 2, 3), the split that OpenGL
// drivers give a quad drawn on its own, so that bent quads of hilly terrain fold along the
// same diagonal as in the one-call-per-quad drawing.
constexpr int TrianglesPerQuad = 2;

// The run of grouped quads that share one tile code.
struct TileRun {
    int firstQuad = 0;
    int quadCount = 0;
};

class TexturedQuadBatch {
  public:
    TexturedQuadBatch();

    // Regroups the first `quadCount` quads of the mesh (stable within each code).
    void Rebuild(const TerrainMesh& mesh, int quadCount);

    std::span<const TerrainQuad> Quads() const { return {quads_.data(), size_t(quadCount_)}; }
    const TerrainVertex* VertexData() const { return quads_.front().vertices.data(); }
    // Triangle vertex indices of the quads from `firstQuad` on, 6 per quad.
    const uint32_t* TriangleIndices(int firstQuad) const {
        return triangleIndices_.data() + size_t(firstQuad) * TrianglesPerQuad * 3;
    }
    // The run of each tile code 0-63 (empty runs have quadCount 0).
    const std::array<TileRun, TileCodeCount>& Runs() const { return runs_; }

  private:
    std::vector<TerrainQuad> quads_;        // sized once for TerrainQuadCapacity
    std::vector<uint32_t> triangleIndices_; // fixed: quad q uses vertices 4q ... 4q + 3
    std::array<TileRun, TileCodeCount> runs_{};
    int quadCount_ = 0;
};

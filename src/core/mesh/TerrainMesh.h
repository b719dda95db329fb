#pragma once
// The 3D preview's terrain: the block of cells that the texture view shows, as independent
// textured quads in OpenGL's interleaved GL_T2F_C4F_N3F_V3F layout, so the renderer can hand
// the whole block to OpenGL in one call. 64 units per cell; x east, z south, y up; a height
// of 65535 is 255 units.

#include "core/height/HeightMap.h"
#include "core/mesh/Vector3.h"
#include "core/tilemap/TileMap.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// One vertex: texture s, t; colour r, g, b, a; normal; position. 12 floats, tightly packed.
struct TerrainVertex {
    float s = 0, t = 0;
    float red = 0, green = 0, blue = 0, alpha = 0;
    Vector3 normal{};
    Vector3 position{};
};
static_assert(sizeof(TerrainVertex) == 48, "GL_T2F_C4F_N3F_V3F needs 48-byte vertices");

// Vertex 0 is the quad's map corner (X, Y), 1 is (X, Y + 1), 2 is (X + 1, Y + 1), 3 is
// (X + 1, Y): counter-clockwise seen from above, so the top is the front face.
struct TerrainQuad {
    std::array<TerrainVertex, 4> vertices;
};
static_assert(sizeof(TerrainQuad) == 192);

// Room for the largest window (64 x 64 cells needs 63 x 63 = 3,969 quads) and more.
constexpr int TerrainQuadCapacity = 10000;
// Tile of a quad whose own cell lies outside the map.
constexpr uint32_t OutsideMapQuadTile = 58;

// A w x h window holds (w - 1) x (h - 1) quads, numbered row by row: quad (j, r) has index
// r x (w - 1) + j. The three arrays are sized once for TerrainQuadCapacity quads and never
// reallocated; quads is one contiguous block.
struct TerrainMesh {
    TerrainMesh();

    std::vector<TerrainQuad> quads;
    std::vector<uint32_t> QuadTile; // the TileCell of the quad's own cell, or 58 outside
    std::vector<Vector3> FaceNormal;

    // The window the quads were last filled for: left, top, columns, rows (none after the
    // grid was laid out flat).
    struct Window {
        int left = 0, top = 0, columns = 0, rows = 0;
        bool operator==(const Window&) const = default;
    };
    std::optional<Window> filledFor;

    const TerrainVertex* VertexData() const { return quads.front().vertices.data(); }
};

// Number of quads of a w x h window (0 when w or h is below 2 or the window does not fit).
int TerrainQuadCount(int columns, int rows);

// Lays the window's quads out flat: tile 0, positions, base texture coordinates, colour
// (0, 0, 0, 0.5). Normals are left as they are.
void BuildTerrainGrid(TerrainMesh& mesh, int columns, int rows);

// Fills heights, colours, tiles and smoothed normals of the window whose top-left cell is
// (left, top), from the height map and, when present, the tile map (without a tile map the
// tiles keep their values). The height map must be present. Each quad is written whole: its
// texture coordinates and its positions' x and z are those BuildTerrainGrid lays out for the
// same size.
void FillTerrainMesh(TerrainMesh& mesh, const HeightMap& heights, const TileMap& tiles, int left,
                     int top, int columns, int rows);

#include "core/mesh/TerrainMesh.h"

#include "core/Shell.h"
#include "core/edit/Editor.h"

namespace {
// Map corner offsets and base texture coordinates of vertices 0 to 3.
constexpr int CornerColumn[4] = {0, 0, 1, 1};
constexpr int CornerRow[4] = {0, 1, 1, 0};

constexpr Vector3 WaterColour{0.1f, 0.25f, 0.45f};
constexpr float VertexAlpha = 0.5f;

float CornerHeight(const HeightMap& heights, int column, int row) {
    if (!IsInsideMap(row, column))
        return 0.0f;
    return static_cast<float>(heights.At(CellIndex(row, column)) * 255.0 / 65535.0);
}

void SetHeightAndColour(TerrainVertex& vertex, float height) {
    vertex.position[1] = height;
    if (height == 0.0f) {
        vertex.red = WaterColour[0];
        vertex.green = WaterColour[1];
        vertex.blue = WaterColour[2];
    } else {
        // Grey levels 0 to 255, not 0 to 1: lighting hides these colours anyway.
        const float grey = static_cast<float>(static_cast<int>(height));
        vertex.red = vertex.green = vertex.blue = grey;
    }
    vertex.alpha = VertexAlpha;
}

// First pass: heights, colours, tile and the unsmoothed normal of one quad.
void FillQuad(TerrainMesh& mesh, int index, const HeightMap& heights, const TileMap& tiles,
              int column, int row) {
    TerrainQuad& quad = mesh.quads[static_cast<size_t>(index)];
    for (int k = 0; k < 4; ++k)
        SetHeightAndColour(quad.vertices[static_cast<size_t>(k)],
                           CornerHeight(heights, column + CornerColumn[k], row + CornerRow[k]));
    if (tiles.HasTileMap())
        mesh.QuadTile[static_cast<size_t>(index)] =
            IsInsideMap(row, column) ? tiles.At(row, column) : OutsideMapQuadTile;
    auto& v = quad.vertices;
    QuadNormal(v[0].position, v[2].position, v[1].position, v[0].normal);
    for (int k = 1; k < 4; ++k)
        CopyVector(v[0].normal, v[static_cast<size_t>(k)].normal);
    CopyVector(v[0].normal, mesh.FaceNormal[static_cast<size_t>(index)]);
}

// Second pass: each corner's normal becomes the normalised sum of the face normals of the
// quads of the window that share it. A neighbour's offset from the quad is (dColumn, dRow).
void SmoothQuad(TerrainMesh& mesh, int index, int stride, bool up, bool down, bool left,
                bool right) {
    auto& v = mesh.quads[static_cast<size_t>(index)].vertices;
    const auto face = [&](int dColumn, int dRow) -> const Vector3& {
        return mesh.FaceNormal[static_cast<size_t>(index + dRow * stride + dColumn)];
    };
    // Per corner: its vertical neighbour (above or below), horizontal neighbour (left or
    // right) and whether each exists.
    struct CornerNeighbours {
        int dColumn, dRow;
        bool vertical, horizontal;
    };
    const CornerNeighbours corners[4] = {
        {-1, -1, up, left}, {-1, 1, down, left}, {1, 1, down, right}, {1, -1, up, right}};
    for (int k = 0; k < 4; ++k) {
        const CornerNeighbours& c = corners[k];
        Vector3& normal = v[static_cast<size_t>(k)].normal;
        if (c.vertical)
            AddVector(normal, face(0, c.dRow));
        if (c.horizontal)
            AddVector(normal, face(c.dColumn, 0));
        if (c.vertical && c.horizontal)
            AddVector(normal, face(c.dColumn, c.dRow));
        NormalizeVector(normal);
    }
}
} // namespace

TerrainMesh::TerrainMesh()
    : quads(TerrainQuadCapacity), QuadTile(TerrainQuadCapacity, 0),
      FaceNormal(TerrainQuadCapacity, Vector3{}) {}

int TerrainQuadCount(int columns, int rows) {
    if (columns < 2 || rows < 2)
        return 0;
    const long long count = static_cast<long long>(columns - 1) * (rows - 1);
    return count <= TerrainQuadCapacity ? static_cast<int>(count) : 0;
}

void BuildTerrainGrid(TerrainMesh& mesh, int columns, int rows) {
    if (TerrainQuadCount(columns, rows) == 0)
        return;
    int index = 0;
    for (int r = 0; r < rows - 1; ++r) {
        for (int j = 0; j < columns - 1; ++j, ++index) {
            mesh.QuadTile[static_cast<size_t>(index)] = 0;
            auto& quad = mesh.quads[static_cast<size_t>(index)];
            for (int k = 0; k < 4; ++k) {
                TerrainVertex& vertex = quad.vertices[static_cast<size_t>(k)];
                // Centred on half of w x 64 and h x 64, not on half the quads' span.
                vertex.position = {static_cast<float>((j + CornerColumn[k]) * 64 - columns * 32),
                                   0.0f, static_cast<float>((r + CornerRow[k]) * 64 - rows * 32)};
                vertex.s = static_cast<float>(CornerColumn[k]);
                vertex.t = static_cast<float>(CornerRow[k]);
                vertex.red = vertex.green = vertex.blue = 0.0f;
                vertex.alpha = VertexAlpha;
            }
        }
    }
}

void FillTerrainMesh(TerrainMesh& mesh, const HeightMap& heights, const TileMap& tiles, int left,
                     int top, int columns, int rows) {
    if (!heights.HasHeightMap() || TerrainQuadCount(columns, rows) == 0)
        return;
    const int stride = columns - 1;
    int index = 0;
    for (int row = top; row < top + rows - 1; ++row)
        for (int column = left; column < left + columns - 1; ++column)
            FillQuad(mesh, index++, heights, tiles, column, row);
    index = 0;
    for (int row = top; row < top + rows - 1; ++row)
        for (int column = left; column < left + columns - 1; ++column)
            SmoothQuad(mesh, index++, stride, row > top, row<top + rows - 2, column> left,
                       column < left + columns - 2);
}

void BuildTerrainMesh(Editor& editor, Shell& shell, int left, int top) {
    if (!editor.heightMap.HasHeightMap())
        return;
    FillTerrainMesh(editor.mesh, editor.heightMap, editor.tileMap, left, top, editor.view.ViewCells,
                    editor.view.ViewCells);
    shell.DrawTerrainFrame();
}

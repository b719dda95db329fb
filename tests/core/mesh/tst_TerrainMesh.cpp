#include "core/mesh/TerrainMesh.h"

#include "core/edit/LoadedEditor.h"
#include "core/edit/ViewOps.h"
#include "support/RecordingShell.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
const TerrainVertex& Vertex(const Editor& editor, int quad, int k) {
    return editor.mesh.quads[static_cast<size_t>(quad)].vertices[static_cast<size_t>(k)];
}

void ExpectVector(const Vector3& v, float x, float y, float z) {
    EXPECT_NEAR(v[0], x, 1e-6f);
    EXPECT_NEAR(v[1], y, 1e-6f);
    EXPECT_NEAR(v[2], z, 1e-6f);
}

Vector3 Normalized(Vector3 v) {
    NormalizeVector(v);
    return v;
}
} // namespace

TEST(TerrainMesh, LayoutAndQuadCounts) {
    const TerrainMesh mesh;
    EXPECT_EQ(mesh.quads.size(), 10000u);
    // One contiguous interleaved block: quad i starts 192 x i bytes after the first.
    const auto* base = reinterpret_cast<const char*>(mesh.VertexData());
    EXPECT_EQ(reinterpret_cast<const char*>(&mesh.quads[3].vertices[2]) - base, 3 * 192 + 2 * 48);
    EXPECT_EQ(TerrainQuadCount(4, 4), 9);
    EXPECT_EQ(TerrainQuadCount(64, 64), 3969);
    EXPECT_EQ(TerrainQuadCount(1, 64), 0);
    EXPECT_EQ(TerrainQuadCount(102, 102), 0); // would not fit
}

TEST(TerrainMesh, GridIsFlatAndCentredOnHalfTheWindow) {
    Editor editor;
    BuildTerrainGrid(editor.mesh, 4, 4);
    const auto& q0 = editor.mesh.quads[0].vertices;
    ExpectVector(q0[0].position, -128, 0, -128);
    ExpectVector(q0[1].position, -128, 0, -64);
    ExpectVector(q0[2].position, -64, 0, -64);
    ExpectVector(q0[3].position, -64, 0, -128);
    EXPECT_EQ(q0[2].s, 1.0f);
    EXPECT_EQ(q0[2].t, 1.0f);
    EXPECT_EQ(q0[3].s, 1.0f);
    EXPECT_EQ(q0[3].t, 0.0f);
    EXPECT_EQ(q0[1].alpha, 0.5f);
    // The last of the 9 quads ends at 32 w - 64 = 64.
    ExpectVector(editor.mesh.quads[8].vertices[2].position, 64, 0, 64);
}

TEST(TerrainMesh, HeightsColoursAndTilesInsideTheMap) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillHeights(*editor, 0);
    FillTiles(*editor, MakeCell(2, 30));
    editor->heightMap.Set(CellIndex(100, 200), 65535);
    editor->heightMap.Set(CellIndex(100, 201), 1);
    BuildTerrainGrid(editor->mesh, 32, 32);
    BuildTerrainMesh(*editor, shell, 200, 100);
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"frame"}));
    const auto& v = editor->mesh.quads[0].vertices;
    EXPECT_EQ(v[0].position[1], 255.0f);
    EXPECT_EQ(v[0].red, 255.0f);
    EXPECT_NEAR(v[3].position[1], 0.0039f, 1e-4f);
    EXPECT_EQ(v[3].green, 0.0f); // height 1 is already grey, level 0
    EXPECT_EQ(v[1].position[1], 0.0f);
    EXPECT_EQ(v[1].red, 0.1f); // water
    EXPECT_EQ(v[1].green, 0.25f);
    EXPECT_EQ(v[1].blue, 0.45f);
    EXPECT_EQ(v[1].alpha, 0.5f);
    EXPECT_EQ(editor->mesh.QuadTile[0], MakeCell(2, 30));
}

TEST(TerrainMesh, WindowPartlyOutsideTheMap) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillHeights(*editor, 6553);
    FillTiles(*editor, 5);
    BuildTerrainGrid(editor->mesh, 32, 32);
    CenterViewOn(*editor, shell, 0, 0);
    // The scroll origin is clamped, the mesh keeps the window at (-16, -16).
    EXPECT_EQ(editor->view.ViewOriginColumn, 0);
    EXPECT_EQ(editor->view.ViewOriginRow, 0);
    const int stride = 31;
    EXPECT_EQ(editor->mesh.QuadTile[0], OutsideMapQuadTile);
    EXPECT_EQ(Vertex(*editor, 0, 2).position[1], 0.0f);
    EXPECT_EQ(Vertex(*editor, 0, 2).blue, 0.45f);
    ExpectVector(Vertex(*editor, 0, 0).normal, 0, 1, 0);
    // Quad (15, 15) has map cell (-1, -1): only its far corner (0, 0) lies inside.
    const int corner = 15 * stride + 15;
    EXPECT_EQ(editor->mesh.QuadTile[corner], OutsideMapQuadTile);
    EXPECT_EQ(Vertex(*editor, corner, 0).position[1], 0.0f);
    EXPECT_FLOAT_EQ(Vertex(*editor, corner, 2).position[1],
                    static_cast<float>(6553 * 255.0 / 65535.0));
    EXPECT_EQ(editor->mesh.QuadTile[16 * stride + 16], 5u);

    // The map's bottom-right corner: corners beyond the edge take height 0.
    BuildTerrainMesh(*editor, shell, 639 - 30, 319 - 30);
    const int last = 30 * stride + 30; // map cell (639, 319)
    EXPECT_EQ(editor->mesh.QuadTile[last], 5u);
    EXPECT_GT(Vertex(*editor, last, 0).position[1], 0.0f);
    EXPECT_EQ(Vertex(*editor, last, 1).position[1], 0.0f);
    EXPECT_EQ(Vertex(*editor, last, 2).position[1], 0.0f);
    EXPECT_EQ(Vertex(*editor, last, 3).position[1], 0.0f);
}

TEST(TerrainMesh, NothingWithoutHeightsAndTilesKeptWithoutTileMap) {
    auto editor = MakeEditor();
    RecordingShell shell;
    editor->mesh.QuadTile[0] = 12;
    BuildTerrainMesh(*editor, shell, 10, 10);
    CenterViewOn(*editor, shell, 300, 200);
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"scroll"}));
    EXPECT_EQ(editor->view.ViewOriginColumn, 284);
    FillHeights(*editor, 0);
    BuildTerrainMesh(*editor, shell, 10, 10);
    EXPECT_EQ(editor->mesh.QuadTile[0], 12u);
}

TEST(TerrainMesh, SmoothedNormalsShareCornersInsideTheWindowOnly) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillHeights(*editor, 0);
    editor->view.ViewColumns = editor->view.ViewRows = 4;
    BuildTerrainGrid(editor->mesh, 4, 4);
    // A bump at map cell (11, 11), the centre corner of the 3 x 3 quads at (10, 10).
    editor->heightMap.Set(CellIndex(11, 11), 65535);
    BuildTerrainMesh(*editor, shell, 10, 10);
    const auto& faces = editor->mesh.FaceNormal;
    // Quad 0's far corner sees the four quads around the bump.
    Vector3 sum = faces[0];
    for (int q : {3, 1, 4})
        AddVector(sum, faces[static_cast<size_t>(q)]);
    const Vector3 expected = Normalized(sum);
    const Vector3& smoothed = Vertex(*editor, 0, 2).normal;
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(smoothed[static_cast<size_t>(k)], expected[static_cast<size_t>(k)], 1e-6f);
    // The same corner seen from quad 4 (vertex 0) agrees.
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(Vertex(*editor, 4, 0).normal[static_cast<size_t>(k)],
                    expected[static_cast<size_t>(k)], 1e-6f);
    // The window's own corner keeps only its quad's face normal, which leans off the bump.
    const Vector3& edge = Vertex(*editor, 0, 0).normal;
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(edge[static_cast<size_t>(k)], faces[0][static_cast<size_t>(k)], 1e-6f);
    // A face normal comes from corners 0, 1 and 2 only: here it tilts away in x alone.
    EXPECT_LT(faces[0][0], 0.0f);
    EXPECT_NEAR(faces[0][2], 0.0f, 1e-6f);
    // A corner on the window's top edge: two faces (quads 0 and 1).
    Vector3 top = faces[0];
    AddVector(top, faces[1]);
    top = Normalized(top);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(Vertex(*editor, 0, 3).normal[static_cast<size_t>(k)],
                    top[static_cast<size_t>(k)], 1e-6f);
}

TEST(VectorHelpers, NormaliseAndQuadNormal) {
    Vector3 v{3, 0, 4};
    NormalizeVector(v);
    ExpectVector(v, 0.6f, 0, 0.8f);
    Vector3 tiny{1e-5f, 0, 0};
    NormalizeVector(tiny);
    EXPECT_FLOAT_EQ(tiny[0], 1000.0f); // too short to normalise: multiplied by 1e8
    Vector3 out;
    QuadNormal({0, 0, 0}, {64, 0, 64}, {0, 0, 64}, out);
    ExpectVector(out, 0, 1, 0);
}

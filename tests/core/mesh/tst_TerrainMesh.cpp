#include "core/mesh/TerrainMesh.h"
#include "core/mesh/TerrainMeshFollower.h"
#include "core/mesh/TerrainMeshRefill.h"

#include "core/edit/LoadedEditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace {
struct TerrainMeshTest : EditorTest {
    TerrainMeshFollower follower{editor.document, editor.mesh};
    void Follow(int left, int top) { follower.BringUpToDate(left, top, editor.view.ViewCells); }
};

// The mesh of a size x size window as the documented steps build it, one vertex at a time
// through the public vector helpers: heights divided by 65535 / 255, face normals, then each
// corner's sum of own, vertical, horizontal and diagonal faces inside the window, normalised.
void BuildReferenceMesh(TerrainMesh& mesh, const Editor& editor, int left, int top, int size) {
    BuildTerrainGrid(mesh, size, size);
    const int s = size - 1;
    for (int i = 0; i < s * s; ++i) {
        const int column = left + i % s, row = top + i / s;
        auto& v = mesh.quads[static_cast<size_t>(i)].vertices;
        for (int k = 0; k < 4; ++k) {
            const int x = column + (k >= 2), y = row + (k == 1 || k == 2);
            const float h = IsInsideMap(y, x)
                                ? static_cast<float>(editor.document.Heights().At(CellIndex(y, x)) *
                                                     255.0 / 65535.0)
                                : 0.0f;
            const auto grey = static_cast<float>(static_cast<int>(h));
            auto& vertex = v[static_cast<size_t>(k)];
            vertex.position[1] = h;
            vertex.red = h == 0 ? 0.1f : grey;
            vertex.green = h == 0 ? 0.25f : grey;
            vertex.blue = h == 0 ? 0.45f : grey;
        }
        mesh.QuadTile[static_cast<size_t>(i)] =
            IsInsideMap(row, column) ? editor.document.Tiles().At(row, column) : 58;
        QuadNormal(v[0].position, v[2].position, v[1].position, v[0].normal);
        v[1].normal = v[2].normal = v[3].normal = mesh.FaceNormal[static_cast<size_t>(i)] =
            v[0].normal;
    }
    for (int i = 0; i < s * s; ++i) {
        const int j = i % s, r = i / s;
        for (int k = 0; k < 4; ++k) {
            const int dRow = k == 1 || k == 2 ? 1 : -1, dColumn = k >= 2 ? 1 : -1;
            const bool vertical = r + dRow >= 0 && r + dRow < s;
            const bool horizontal = j + dColumn >= 0 && j + dColumn < s;
            Vector3& normal = mesh.quads[static_cast<size_t>(i)].vertices[k].normal;
            const auto add = [&](bool present, int offset) {
                if (present)
                    AddVector(normal, mesh.FaceNormal[static_cast<size_t>(i + offset)]);
            };
            add(vertical, dRow * s);
            add(horizontal, dColumn);
            add(vertical && horizontal, dRow * s + dColumn);
            NormalizeVector(normal);
        }
    }
}
} // namespace

TEST_F(TerrainMeshTest, FullBuildAndRefillAreByteForByteTheVertexByVertexComputation) {
    std::vector<uint16_t> hills(MapCellCount);
    for (size_t i = 0; i < hills.size(); ++i)
        hills[i] = static_cast<uint16_t>(i * 7919 % 65536);
    editor.document.ReplaceHeights(std::move(hills));
    FillTiles(editor, 5);
    TerrainMesh& partial = editor.mesh;
    auto full = std::make_unique<TerrainMesh>();
    BuildTerrainGrid(partial, 32, 32);
    BuildTerrainGrid(*full, 32, 32);
    const auto fill = [&](TerrainMesh& mesh) {
        FillTerrainMesh(mesh, editor.document.Heights(), editor.document.Tiles(), 300, 100, 32, 32);
    };
    fill(partial);
    // Window corners and edges, a middle cell, a block, and cells just outside the window.
    const CellRect edits[] = {{300, 100, 301, 101}, {331, 131, 332, 132}, {315, 100, 316, 101},
                              {300, 117, 301, 118}, {310, 112, 311, 113}, {305, 120, 308, 124},
                              {332, 110, 333, 111}, {299, 99, 300, 100}};
    uint16_t height = 0;
    for (const CellRect& cells : edits) {
        for (int row = cells.top; row < cells.bottom; ++row)
            for (int column = cells.left; column < cells.right; ++column) {
                editor.document.SetHeight(CellIndex(row, column), height += 20000);
                editor.document.SetTile(row, column, MakeCell(1, 9));
            }
        RefillTerrainMeshCells(partial, editor.document.Heights(), editor.document.Tiles(), 300,
                               100, 32, 32, cells);
        fill(*full);
        const size_t quads = 31 * 31;
        EXPECT_EQ(std::memcmp(partial.quads.data(), full->quads.data(), quads * 192), 0)
            << cells.left;
        EXPECT_EQ(std::memcmp(partial.FaceNormal.data(), full->FaceNormal.data(), quads * 12), 0);
        EXPECT_EQ(partial.QuadTile, full->QuadTile);
    }

    // Every byte of a full build is the documented computation's, also over each of the map's
    // edges, where corners outside are flat water and quads outside have no tile.
    auto reference = std::make_unique<TerrainMesh>();
    for (const auto& [left, top, size] :
         {std::array{300, 100, 32}, {-20, 290, 64}, {620, -2, 4}, {609, 289, 32}}) {
        BuildTerrainGrid(*full, size, size);
        FillTerrainMesh(*full, editor.document.Heights(), editor.document.Tiles(), left, top, size,
                        size);
        BuildReferenceMesh(*reference, editor, left, top, size);
        const auto quads = static_cast<size_t>(TerrainQuadCount(size, size));
        EXPECT_EQ(std::memcmp(full->quads.data(), reference->quads.data(), quads * 192), 0) << left;
        EXPECT_EQ(std::memcmp(full->FaceNormal.data(), reference->FaceNormal.data(), quads * 12),
                  0);
        EXPECT_TRUE(std::equal(full->QuadTile.begin(), full->QuadTile.begin() + quads,
                               reference->QuadTile.begin()));
    }
}

TEST_F(TerrainMeshTest, EditsBetweenBuildsOfOneWindowRefillOnlyTheirQuads) {
    FillHeights(editor, 30000);
    FillTiles(editor, 5);
    editor.view.ViewCells = 32;
    BuildTerrainGrid(editor.mesh, 32, 32);
    Follow(300, 100);
    // A quad far from the edits is marked: a refill leaves it, a full fill would not.
    const size_t far = 30 * 31 + 30;
    editor.mesh.quads[far].vertices[0].s = 99.0f;
    editor.document.SetHeight(CellIndex(105, 305), 60000);
    editor.document.SetTile(110, 310, MakeCell(3, 9));
    Follow(300, 100);
    EXPECT_EQ(editor.mesh.quads[far].vertices[0].s, 99.0f);

    auto full = std::make_unique<TerrainMesh>();
    BuildTerrainGrid(*full, 32, 32);
    FillTerrainMesh(*full, editor.document.Heights(), editor.document.Tiles(), 300, 100, 32, 32);
    editor.mesh.quads[far].vertices[0].s = full->quads[far].vertices[0].s;
    EXPECT_EQ(std::memcmp(editor.mesh.quads.data(), full->quads.data(), 31 * 31 * 192), 0);
    EXPECT_EQ(editor.mesh.QuadTile, full->QuadTile);

    // Another window is filled whole, and so is the same one after its grid was laid out
    // again.
    editor.mesh.quads[far].vertices[0].s = 99.0f;
    Follow(301, 100);
    EXPECT_NE(editor.mesh.quads[far].vertices[0].s, 99.0f);
    BuildTerrainGrid(editor.mesh, 32, 32);
    editor.mesh.quads[far].vertices[0].normal = {9.0f, 9.0f, 9.0f};
    Follow(301, 100);
    EXPECT_NE(editor.mesh.quads[far].vertices[0].normal[0], 9.0f);
}

#include "core/mesh/TerrainMesh.h"

#include "core/mesh/CornerNormals.h"
#include "core/mesh/TerrainMeshRefill.h"
#include "core/mesh/VectorMath.h"

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <optional>
#include <vector>

namespace {
// Map corner offsets and base texture coordinates of vertices 0 to 3.
constexpr int CornerColumn[4] = {0, 0, 1, 1};
constexpr int CornerRow[4] = {0, 1, 1, 0};

// The colour's four floats, and the normal's three with the position's x, lie side by side.
constexpr size_t ColourOffset = offsetof(TerrainVertex, red);
constexpr size_t NormalOffset = offsetof(TerrainVertex, normal);
static_assert(offsetof(TerrainVertex, alpha) == ColourOffset + 3 * sizeof(float));
static_assert(offsetof(TerrainVertex, position) == NormalOffset + 3 * sizeof(float));

constexpr Vector3 WaterColour{0.1f, 0.25f, 0.45f};
constexpr float VertexAlpha = 0.5f;

// The quads (first to last, inclusive) of a window that a step works on.
struct QuadRange {
    int firstColumn, firstRow, lastColumn, lastRow;
};

float CornerHeight(const HeightMap& heights, int column, int row) {
    if (!IsInsideMap(row, column))
        return 0.0f;
    // A height times 255 / 65535 in double precision, rounded to float. 255 / 65535 is
    // 1 / 257, and multiplying by its double reciprocal gives the same float as the division
    // for each of the 65,536 heights, without a division per grid point.
    constexpr double HeightScale = 1.0 / 257.0;
    return static_cast<float>(heights.At(CellIndex(row, column)) * HeightScale);
}

// The height and vertex colour of a grid point: the colour is water's at height 0, else a
// grey level from 0 to 255 (not 0 to 1: lighting hides these colours anyway).
struct GridPoint {
    std::array<float, 4> colour;
    float height;
};

GridPoint GridPointOf(float height) {
    if (height == 0.0f)
        return {{WaterColour[0], WaterColour[1], WaterColour[2], VertexAlpha}, height};
    const float grey = static_cast<float>(static_cast<int>(height));
    return {{grey, grey, grey, VertexAlpha}, height};
}

// The grid points of a range of quads, each computed once: grid point (j, r) of the window
// is map cell (left + j, top + r).
class GridPoints {
  public:
    GridPoints(const HeightMap& heights, int left, int top, const QuadRange& quads)
        : firstColumn_(quads.firstColumn), firstRow_(quads.firstRow),
          width_(quads.lastColumn - quads.firstColumn + 2) {
        const int height = quads.lastRow - quads.firstRow + 2;
        points_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height));
        GridPoint* point = points_.data();
        for (int r = 0; r < height; ++r)
            for (int j = 0; j < width_; ++j)
                *point++ = GridPointOf(
                    CornerHeight(heights, left + firstColumn_ + j, top + firstRow_ + r));
    }
    const GridPoint& At(int column, int row) const {
        return points_[static_cast<size_t>((row - firstRow_) * width_ + column - firstColumn_)];
    }

  private:
    int firstColumn_, firstRow_, width_;
    std::vector<GridPoint> points_;
};

// Lanes of -0.0 for the sums that have fewer than four terms: adding -0.0 changes no number.
const float* NothingToAdd(size_t lanes) {
    thread_local std::vector<float> nothing;
    if (nothing.size() < lanes)
        nothing.assign(lanes, -0.0f);
    return nothing.data();
}

// First pass: the tile and the face normal of each quad, from the grid points' heights and
// the positions laid out by BuildTerrainGrid. The vertices are written by the second pass.
void FillFaces(TerrainMesh& mesh, const TileMap& tiles, const GridPoints& points, int left, int top,
               int stride, const QuadRange& range) {
    const int count = range.lastColumn - range.firstColumn + 1;
    const size_t lanes = static_cast<size_t>(count + CornerLanePadding);
    std::vector<float> crosses(3 * lanes), normals(3 * lanes);
    float* const cross[3] = {crosses.data(), crosses.data() + lanes, crosses.data() + 2 * lanes};
    float* const normal[3] = {normals.data(), normals.data() + lanes, normals.data() + 2 * lanes};
    const float* nothing = NothingToAdd(lanes);
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        const size_t first = static_cast<size_t>(r * stride + range.firstColumn);
        const TerrainQuad* quads = mesh.quads.data() + first;
        const GridPoint* upper = &points.At(range.firstColumn, r);
        const GridPoint* lower = &points.At(range.firstColumn, r + 1);
        for (size_t q = 0; q < static_cast<size_t>(count); ++q) {
            const auto& v = quads[q].vertices;
            const auto corner = [&](size_t k, const GridPoint& point) {
                return Vector3{v[k].position[0], point.height, v[k].position[2]};
            };
            const Vector3 c = vector_math::QuadCross(corner(0, upper[q]), corner(2, lower[q + 1]),
                                                     corner(1, lower[q]));
            for (size_t component = 0; component < 3; ++component)
                cross[component][q] = c[component];
        }
        if (tiles.HasTileMap()) {
            for (int q = 0; q < count; ++q) {
                const int column = left + range.firstColumn + q;
                mesh.QuadTile[first + static_cast<size_t>(q)] =
                    IsInsideMap(top + r, column) ? tiles.At(top + r, column) : OutsideMapQuadTile;
            }
        }
        const CornerFaces alone{{cross[0], cross[1], cross[2]},
                                {nothing, nothing, nothing},
                                {nothing, nothing, nothing},
                                {nothing, nothing, nothing}};
        SmoothCorners(alone, count, normal);
        Vector3* faces = mesh.FaceNormal.data() + r * stride + range.firstColumn;
        for (size_t q = 0; q < static_cast<size_t>(count); ++q)
            faces[q] = {normal[0][q], normal[1][q], normal[2][q]};
    }
}

// The face normals around a range of quads, one array per component, with a border of quads
// outside the window that hold -0.0: adding -0.0 changes no number, so a missing neighbour
// costs an addition of nothing instead of a test.
class PaddedFaces {
  public:
    PaddedFaces(const TerrainMesh& mesh, int stride, int quadRows, const QuadRange& range)
        : firstColumn_(range.firstColumn - 1), firstRow_(range.firstRow - 1),
          // Spare columns let a group of lanes read past the range's last quad.
          width_(range.lastColumn - range.firstColumn + 3 + CornerLanePadding) {
        const size_t size =
            static_cast<size_t>(width_) * static_cast<size_t>(range.lastRow - range.firstRow + 3);
        for (auto& component : components_)
            component.assign(size, -0.0f);
        for (int r = firstRow_; r <= range.lastRow + 1; ++r) {
            if (r < 0 || r >= quadRows)
                continue;
            for (int j = std::max(firstColumn_, 0); j <= std::min(range.lastColumn + 1, stride - 1);
                 ++j) {
                const Vector3& face = mesh.FaceNormal[static_cast<size_t>(r * stride + j)];
                for (size_t c = 0; c < 3; ++c)
                    components_[c][Offset(j, r)] = face[c];
            }
        }
    }
    const float* At(size_t component, int column, int row) const {
        return components_[component].data() + Offset(column, row);
    }

  private:
    size_t Offset(int column, int row) const {
        return static_cast<size_t>((row - firstRow_) * width_ + column - firstColumn_);
    }
    int firstColumn_, firstRow_, width_;
    std::array<std::vector<float>, 3> components_;
};

// Second pass: each corner's normal becomes the normalised sum of its own quad's face normal
// and those of the quads of the window that share the corner, always in the order own,
// vertical neighbour, horizontal neighbour, diagonal neighbour. A whole row of quads at a
// time, corner by corner; then each vertex gets its height, colour and normal in one go, so
// that the quads' memory is written in a single pass.
void SmoothQuads(TerrainMesh& mesh, const GridPoints& points, int stride, int quadRows,
                 const QuadRange& range) {
    struct CornerNeighbours {
        int dColumn, dRow;
    };
    constexpr CornerNeighbours Corners[4] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}};
    const PaddedFaces faces(mesh, stride, quadRows, range);
    const int count = range.lastColumn - range.firstColumn + 1;
    const size_t lanes = static_cast<size_t>(count + CornerLanePadding);
    std::vector<float> normals(4 * 3 * lanes);
    const auto out = [&](size_t corner, size_t component) {
        return normals.data() + (corner * 3 + component) * lanes;
    };
    const int j = range.firstColumn;
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        for (size_t k = 0; k < 4; ++k) {
            const CornerNeighbours& c = Corners[k];
            CornerFaces corner{};
            for (size_t component = 0; component < 3; ++component) {
                corner.own[component] = faces.At(component, j, r);
                corner.vertical[component] = faces.At(component, j, r + c.dRow);
                corner.horizontal[component] = faces.At(component, j + c.dColumn, r);
                corner.diagonal[component] = faces.At(component, j + c.dColumn, r + c.dRow);
            }
            float* const components[3] = {out(k, 0), out(k, 1), out(k, 2)};
            SmoothCorners(corner, count, components);
        }
        TerrainQuad* quads = mesh.quads.data() + r * stride + j;
        const GridPoint* upper = &points.At(j, r);
        const GridPoint* lower = &points.At(j, r + 1);
        const GridPoint* const cornerPoints[4] = {upper, lower, lower + 1, upper + 1};
        const float* const smoothed[4][3] = {{out(0, 0), out(0, 1), out(0, 2)},
                                             {out(1, 0), out(1, 1), out(1, 2)},
                                             {out(2, 0), out(2, 1), out(2, 2)},
                                             {out(3, 0), out(3, 1), out(3, 2)}};
        for (size_t q = 0; q < static_cast<size_t>(count); ++q) {
            for (size_t k = 0; k < 4; ++k) {
                TerrainVertex& vertex = quads[q].vertices[k];
                const GridPoint& point = cornerPoints[k][q];
                // Colour, then normal with the position's x that follows it: two 16-byte
                // moves instead of seven single floats.
                auto* bytes = reinterpret_cast<unsigned char*>(&vertex);
                std::memcpy(bytes + ColourOffset, point.colour.data(), sizeof(point.colour));
                const float normalAndX[4] = {smoothed[k][0][q], smoothed[k][1][q],
                                             smoothed[k][2][q], vertex.position[0]};
                std::memcpy(bytes + NormalOffset, normalAndX, sizeof(normalAndX));
                vertex.position[1] = point.height;
            }
        }
    }
}

// The quads of a window whose corners lie in the given cells, widened by `margin` quads and
// kept inside the window; nullopt when none do.
std::optional<QuadRange> QuadsAround(int columns, int rows, QuadRange cells, int margin) {
    QuadRange range{std::max(cells.firstColumn - margin, 0), std::max(cells.firstRow - margin, 0),
                    std::min(cells.lastColumn + margin, columns - 2),
                    std::min(cells.lastRow + margin, rows - 2)};
    if (range.firstColumn > range.lastColumn || range.firstRow > range.lastRow)
        return std::nullopt;
    return range;
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
    const QuadRange all{0, 0, columns - 2, rows - 2};
    const GridPoints points(heights, left, top, all);
    FillFaces(mesh, tiles, points, left, top, columns - 1, all);
    SmoothQuads(mesh, points, columns - 1, rows - 1, all);
}

void RefillTerrainMeshCells(TerrainMesh& mesh, const HeightMap& heights, const TileMap& tiles,
                            int left, int top, int columns, int rows, const QRect& cells) {
    if (!heights.HasHeightMap() || TerrainQuadCount(columns, rows) == 0 || cells.isEmpty())
        return;
    // A cell is grid point (column - left, row - top): the corner of up to four quads, whose
    // faces change; the corners they share with their neighbours change their normals.
    const QuadRange changed{cells.left() - left, cells.top() - top, cells.right() - left,
                            cells.bottom() - top};
    const QuadRange touching{changed.firstColumn - 1, changed.firstRow - 1, changed.lastColumn,
                             changed.lastRow};
    const auto faces = QuadsAround(columns, rows, touching, 0);
    if (!faces)
        return;
    // The smoothed quads hold the changed faces; their vertices are written again whole
    // (unchanged corners get the same bytes).
    const auto normals = QuadsAround(columns, rows, *faces, 1);
    const GridPoints points(heights, left, top, *normals);
    FillFaces(mesh, tiles, points, left, top, columns - 1, *faces);
    SmoothQuads(mesh, points, columns - 1, rows - 1, *normals);
}

void BuildTerrainMesh(Editor& editor, Shell& shell, int left, int top) {
    if (!editor.document.Heights().HasHeightMap())
        return;
    FillTerrainMesh(editor.mesh, editor.document.Heights(), editor.document.Tiles(), left, top,
                    editor.view.ViewCells, editor.view.ViewCells);
    shell.DrawTerrainFrame();
}

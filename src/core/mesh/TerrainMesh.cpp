#include "core/mesh/TerrainMesh.h"

#include "core/mesh/TerrainMeshRefill.h"
#include "core/mesh/VectorMath.h"

#if defined(__SSE2__)
#include <immintrin.h>
#endif

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {
// Map corner offsets and base texture coordinates of vertices 0 to 3.
constexpr int CornerColumn[4] = {0, 0, 1, 1};
constexpr int CornerRow[4] = {0, 1, 1, 0};

constexpr Vector3 WaterColour{0.1f, 0.25f, 0.45f};
constexpr float VertexAlpha = 0.5f;

// The quads (first to last, inclusive) of a window that a step works on.
struct QuadRange {
    int firstColumn, firstRow, lastColumn, lastRow;
};

float CornerHeight(const HeightMap& heights, int column, int row) {
    if (!IsInsideMap(row, column))
        return 0.0f;
    return static_cast<float>(heights.At(CellIndex(row, column)) * 255.0 / 65535.0);
}

// The heights of the grid points of a range of quads, each computed once: grid point
// (j, r) of the window is map cell (left + j, top + r).
class CornerHeights {
  public:
    CornerHeights(const HeightMap& heights, int left, int top, const QuadRange& quads)
        : firstColumn_(quads.firstColumn), firstRow_(quads.firstRow),
          width_(quads.lastColumn - quads.firstColumn + 2) {
        const int height = quads.lastRow - quads.firstRow + 2;
        values_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height));
        for (int r = 0; r < height; ++r)
            for (int j = 0; j < width_; ++j)
                values_[static_cast<size_t>(r * width_ + j)] =
                    CornerHeight(heights, left + firstColumn_ + j, top + firstRow_ + r);
    }
    float At(int column, int row) const {
        return values_[static_cast<size_t>((row - firstRow_) * width_ + column - firstColumn_)];
    }

  private:
    int firstColumn_, firstRow_, width_;
    std::vector<float> values_;
};

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

// Face normals of a row of quads, four at a time: the cross products first, then their
// normalisation in one go.
void FaceNormalsOfRow(TerrainMesh& mesh, int first, int last) {
    for (int index = first; index <= last; index += 4) {
        const int count = std::min(4, last - index + 1);
        std::array<Vector3, 4> normals{};
        for (int q = 0; q < count; ++q) {
            const auto& v = mesh.quads[static_cast<size_t>(index + q)].vertices;
            normals[static_cast<size_t>(q)] =
                vector_math::QuadCross(v[0].position, v[2].position, v[1].position);
        }
        vector_math::NormalizeFour(normals);
        for (int q = 0; q < count; ++q)
            mesh.FaceNormal[static_cast<size_t>(index + q)] = normals[static_cast<size_t>(q)];
    }
}

// First pass: heights, colours, tiles and the face normal of each quad.
void FillQuads(TerrainMesh& mesh, const HeightMap& heights, const TileMap& tiles, int left, int top,
               int stride, const QuadRange& range) {
    const CornerHeights corners(heights, left, top, range);
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        for (int j = range.firstColumn; j <= range.lastColumn; ++j) {
            const int index = r * stride + j;
            auto& v = mesh.quads[static_cast<size_t>(index)].vertices;
            for (int k = 0; k < 4; ++k)
                SetHeightAndColour(v[static_cast<size_t>(k)],
                                   corners.At(j + CornerColumn[k], r + CornerRow[k]));
            if (tiles.HasTileMap())
                mesh.QuadTile[static_cast<size_t>(index)] = IsInsideMap(top + r, left + j)
                                                                ? tiles.At(top + r, left + j)
                                                                : OutsideMapQuadTile;
        }
        FaceNormalsOfRow(mesh, r * stride + range.firstColumn, r * stride + range.lastColumn);
    }
}

// The face normals around a range of quads, one array per component, with a border of quads
// outside the window that hold -0.0: adding -0.0 changes no number, so a missing neighbour
// costs an addition of nothing instead of a test.
class PaddedFaces {
  public:
    PaddedFaces(const TerrainMesh& mesh, int stride, int quadRows, const QuadRange& range)
        : firstColumn_(range.firstColumn - 1), firstRow_(range.firstRow - 1),
          // Three spare columns let a group of four read past the range's last quad.
          width_(range.lastColumn - range.firstColumn + 3 + 3) {
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

// Normalised sums of four neighbouring quads' corners at once, lane by lane with the
// rounding of one: x, y and z of each lane's sum, normalised in place.
void NormalizeLanes(float (&x)[4], float (&y)[4], float (&z)[4]) {
#if defined(__SSE2__)
    const __m128 vx = _mm_loadu_ps(x), vy = _mm_loadu_ps(y), vz = _mm_loadu_ps(z);
    const __m128 squares =
        _mm_add_ps(_mm_add_ps(_mm_mul_ps(vx, vx), _mm_mul_ps(vy, vy)), _mm_mul_ps(vz, vz));
    const __m128 inverse = _mm_div_ps(_mm_set1_ps(1.0f), _mm_sqrt_ps(squares));
    // A near-zero vector is blown up rather than divided by zero.
    const __m128 large = _mm_cmpge_ps(squares, _mm_set1_ps(1e-8f));
    const __m128 factor =
        _mm_or_ps(_mm_and_ps(large, inverse), _mm_andnot_ps(large, _mm_set1_ps(100000000.0f)));
    _mm_storeu_ps(x, _mm_mul_ps(vx, factor));
    _mm_storeu_ps(y, _mm_mul_ps(vy, factor));
    _mm_storeu_ps(z, _mm_mul_ps(vz, factor));
#else
    for (size_t q = 0; q < 4; ++q) {
        Vector3 v{x[q], y[q], z[q]};
        vector_math::Normalize(v);
        x[q] = v[0];
        y[q] = v[1];
        z[q] = v[2];
    }
#endif
}

// Second pass: each corner's normal becomes the normalised sum of its own quad's face normal
// and those of the quads of the window that share the corner, always in the order own,
// vertical neighbour, horizontal neighbour, diagonal neighbour. Four quads of a row at a time.
void SmoothQuads(TerrainMesh& mesh, int stride, int quadRows, const QuadRange& range) {
    struct CornerNeighbours {
        int dColumn, dRow;
    };
    constexpr CornerNeighbours Corners[4] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}};
    const PaddedFaces faces(mesh, stride, quadRows, range);
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        for (int j = range.firstColumn; j <= range.lastColumn; j += 4) {
            const int count = std::min(4, range.lastColumn - j + 1);
            for (size_t k = 0; k < 4; ++k) {
                const CornerNeighbours& c = Corners[k];
                float sum[3][4];
                for (size_t component = 0; component < 3; ++component) {
                    const float* own = faces.At(component, j, r);
                    const float* vertical = faces.At(component, j, r + c.dRow);
                    const float* horizontal = faces.At(component, j + c.dColumn, r);
                    const float* diagonal = faces.At(component, j + c.dColumn, r + c.dRow);
                    for (size_t q = 0; q < 4; ++q)
                        sum[component][q] = own[q] + vertical[q] + horizontal[q] + diagonal[q];
                }
                NormalizeLanes(sum[0], sum[1], sum[2]);
                for (int q = 0; q < count; ++q) {
                    const size_t lane = static_cast<size_t>(q);
                    mesh.quads[static_cast<size_t>(r * stride + j + q)].vertices[k].normal = {
                        sum[0][lane], sum[1][lane], sum[2][lane]};
                }
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
    FillQuads(mesh, heights, tiles, left, top, columns - 1, all);
    SmoothQuads(mesh, columns - 1, rows - 1, all);
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
    FillQuads(mesh, heights, tiles, left, top, columns - 1, *faces);
    if (const auto normals = QuadsAround(columns, rows, *faces, 1))
        SmoothQuads(mesh, columns - 1, rows - 1, *normals);
}

void BuildTerrainMesh(Editor& editor, Shell& shell, int left, int top) {
    if (!editor.heightMap.HasHeightMap())
        return;
    FillTerrainMesh(editor.mesh, editor.heightMap, editor.tileMap, left, top, editor.view.ViewCells,
                    editor.view.ViewCells);
    shell.DrawTerrainFrame();
}

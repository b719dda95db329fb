#include "core/mesh/TerrainMesh.h"

#include "core/mesh/CornerNormals.h"
#include "core/mesh/TerrainMeshRefill.h"
#include "core/mesh/TerrainQuadWriter.h"
#include "core/mesh/VectorMath.h"

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

constexpr Vector3 WaterColour{0.1f, 0.25f, 0.45f};
constexpr float VertexAlpha = 0.5f;

// The quads (first to last, inclusive) of a window that a step works on.
struct QuadRange {
    int firstColumn, firstRow, lastColumn, lastRow;
};

// A buffer of at least `size` elements that lives as long as the thread, so that filling a
// mesh allocates nothing once the largest window has been filled.
template <typename T> T* ScratchOf(std::vector<T>& buffer, size_t size) {
    if (buffer.size() < size)
        buffer.resize(size);
    return buffer.data();
}

// A height times 255 / 65535 in double precision, rounded to float. 255 / 65535 is 1 / 257,
// and multiplying by its double reciprocal gives the same float as the division for each of
// the 65,536 heights, without a division per grid point.
float HeightOf(uint16_t height) {
    constexpr double HeightScale = 1.0 / 257.0;
    return static_cast<float>(height * HeightScale);
}

// The heights of the grid points of a range of quads, each computed once: grid point (j, r)
// of the window is map cell (left + j, top + r).
class GridPoints {
  public:
    GridPoints(const HeightMap& heights, int left, int top, const QuadRange& quads)
        : firstColumn_(quads.firstColumn), firstRow_(quads.firstRow),
          width_(quads.lastColumn - quads.firstColumn + 2) {
        thread_local std::vector<float> scratch;
        const int rows = quads.lastRow - quads.firstRow + 2;
        heights_ = ScratchOf(scratch, static_cast<size_t>(width_) * static_cast<size_t>(rows));
        // Grid points outside the map have height 0: only the columns inside are looked up.
        const int firstColumn = left + firstColumn_;
        const int insideFrom = std::clamp(-firstColumn, 0, width_);
        const int insideTo = std::clamp(MapWidth - firstColumn, insideFrom, width_);
        for (int r = 0; r < rows; ++r) {
            float* const row = heights_ + static_cast<size_t>(r) * static_cast<size_t>(width_);
            const int mapRow = top + firstRow_ + r;
            std::fill(row, row + width_, 0.0f);
            if (mapRow >= 0 && mapRow < MapHeight)
                for (int j = insideFrom; j < insideTo; ++j)
                    row[j] = HeightOf(heights.At(CellIndex(mapRow, firstColumn + j)));
        }
    }
    // The grid points of window row `row` from window column `column` on.
    const float* Heights(int column, int row) const {
        return heights_ + static_cast<size_t>((row - firstRow_) * width_ + column - firstColumn_);
    }

  private:
    int firstColumn_, firstRow_, width_;
    float* heights_;
};

// The vertex data of a row of grid points, from window column `first` on: the colour is
// water's at height 0, else a grey level from 0 to 255 (not 0 to 1: lighting hides these
// colours anyway); the position is where BuildTerrainGrid puts the grid point.
void FillGridVertices(GridVertex* out, const float* heights, int count, int first, int row,
                      int columns, int rows) {
    const float z = static_cast<float>(row * 64 - rows * 32);
    for (int j = 0; j < count; ++j) {
        const float height = heights[j];
        const float grey = static_cast<float>(static_cast<int>(height));
        GridVertex& point = out[j];
        if (height == 0.0f)
            std::copy(WaterColour.begin(), WaterColour.end(), point.colour);
        else
            point.colour[0] = point.colour[1] = point.colour[2] = grey;
        point.colour[3] = VertexAlpha;
        point.spare = 0.0f;
        point.x = static_cast<float>((first + j) * 64 - columns * 32);
        point.y = height;
        point.z = z;
    }
}

// The face normals around a range of quads, one array per component, with a border of quads
// that hold -0.0 where they lie outside the window: adding -0.0 changes no number, so a
// missing neighbour costs an addition of nothing instead of a test.
class PaddedFaces {
  public:
    explicit PaddedFaces(const QuadRange& range)
        : firstColumn_(range.firstColumn - 1), firstRow_(range.firstRow - 1),
          // Spare columns let a group of lanes read past the range's last quad.
          width_(range.lastColumn - range.firstColumn + 3 + CornerLanePadding),
          rows_(range.lastRow - range.firstRow + 3) {
        thread_local std::array<std::vector<float>, 3> scratch;
        const size_t size = static_cast<size_t>(width_) * static_cast<size_t>(rows_);
        for (size_t c = 0; c < 3; ++c) {
            float* const component = components_[c] = ScratchOf(scratch[c], size);
            // Only the border: the range's own faces are written by whoever fills it.
            const size_t width = static_cast<size_t>(width_);
            const size_t rightBorder = static_cast<size_t>(range.lastColumn - firstColumn_ + 1);
            std::fill(component, component + width, -0.0f);
            std::fill(component + size - width, component + size, -0.0f);
            for (size_t row = width; row + width < size; row += width) {
                component[row] = -0.0f;
                std::fill(component + row + rightBorder, component + row + width, -0.0f);
            }
        }
    }
    // Takes the faces of the range and its border that lie inside the window from the mesh.
    void LoadFrom(const TerrainMesh& mesh, int stride, int quadRows) {
        for (int r = std::max(firstRow_, 0); r < std::min(firstRow_ + rows_, quadRows); ++r) {
            const int lastColumn = std::min(firstColumn_ + width_ - CornerLanePadding, stride) - 1;
            for (int j = std::max(firstColumn_, 0); j <= lastColumn; ++j) {
                const Vector3& face = mesh.FaceNormal[static_cast<size_t>(r * stride + j)];
                for (size_t c = 0; c < 3; ++c)
                    components_[c][Offset(j, r)] = face[c];
            }
        }
    }
    float* At(size_t component, int column, int row) {
        return components_[component] + Offset(column, row);
    }
    const float* At(size_t component, int column, int row) const {
        return components_[component] + Offset(column, row);
    }

  private:
    size_t Offset(int column, int row) const {
        return static_cast<size_t>((row - firstRow_) * width_ + column - firstColumn_);
    }
    int firstColumn_, firstRow_, width_, rows_;
    std::array<float*, 3> components_{};
};

// Lanes of -0.0 for the sums that have fewer than four terms: adding -0.0 changes no number.
const float* NothingToAdd(size_t lanes) {
    thread_local std::vector<float> nothing;
    if (nothing.size() < lanes)
        nothing.assign(lanes, -0.0f);
    return nothing.data();
}

// Rows of `lanes` floats for the corner normals of a row of quads.
float* LaneRows(size_t rows, size_t lanes) {
    thread_local std::vector<float> scratch;
    return ScratchOf(scratch, rows * lanes);
}

// The tiles of `count` quads whose own cells run from (column, row) to the right: the
// cells' bytes, or OutsideMapQuadTile outside the map.
void FillQuadTiles(uint32_t* out, const TileMap& tiles, int column, int row, int count) {
    const int insideFrom = std::clamp(-column, 0, count);
    const int insideTo = std::clamp(MapWidth - column, insideFrom, count);
    std::fill(out, out + count, OutsideMapQuadTile);
    if (row < 0 || row >= MapHeight || insideFrom == insideTo)
        return;
    const auto cells =
        tiles.Cells().subspan(static_cast<size_t>(CellIndex(row, column + insideFrom)),
                              static_cast<size_t>(insideTo - insideFrom));
    std::copy(cells.begin(), cells.end(), out + insideFrom);
}

// First pass: the tile and the face normal of each quad, into the mesh and the padded faces.
// The face normal is QuadNormal (vertex 0, vertex 2, vertex 1) of the quad as BuildTerrainGrid
// lays it out: its sides are exactly 64 units in x and z wherever it lies, so the corners are
// taken relative to vertex 0, which gives every difference and so every bit the same.
void FillFaces(TerrainMesh& mesh, PaddedFaces& padded, const TileMap& tiles,
               const GridPoints& points, int left, int top, int stride, const QuadRange& range) {
    const int count = range.lastColumn - range.firstColumn + 1;
    const size_t lanes = static_cast<size_t>(count + CornerLanePadding);
    float* const rows = LaneRows(6, lanes);
    float* const cross[3] = {rows, rows + lanes, rows + 2 * lanes};
    float* const normal[3] = {rows + 3 * lanes, rows + 4 * lanes, rows + 5 * lanes};
    const float* nothing = NothingToAdd(lanes);
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        const size_t first = static_cast<size_t>(r * stride + range.firstColumn);
        const float* upper = points.Heights(range.firstColumn, r);
        const float* lower = points.Heights(range.firstColumn, r + 1);
        for (size_t q = 0; q < static_cast<size_t>(count); ++q) {
            const Vector3 c = vector_math::QuadCross(
                {0.0f, upper[q], 0.0f}, {64.0f, lower[q + 1], 64.0f}, {0.0f, lower[q], 64.0f});
            cross[0][q] = c[0];
            cross[1][q] = c[1];
            cross[2][q] = c[2];
        }
        if (tiles.HasTileMap())
            FillQuadTiles(mesh.QuadTile.data() + first, tiles, left + range.firstColumn, top + r,
                          count);
        const CornerFaces alone{{cross[0], cross[1], cross[2]},
                                {nothing, nothing, nothing},
                                {nothing, nothing, nothing},
                                {nothing, nothing, nothing}};
        SmoothCorners(alone, count, normal);
        Vector3* faces = mesh.FaceNormal.data() + first;
        float* const to[3] = {padded.At(0, range.firstColumn, r),
                              padded.At(1, range.firstColumn, r),
                              padded.At(2, range.firstColumn, r)};
        for (size_t q = 0; q < static_cast<size_t>(count); ++q) {
            faces[q] = {normal[0][q], normal[1][q], normal[2][q]};
            to[0][q] = normal[0][q];
            to[1][q] = normal[1][q];
            to[2][q] = normal[2][q];
        }
    }
}

// Second pass: each corner's normal becomes the normalised sum of its own quad's face normal
// and those of the quads of the window that share the corner, always in the order own,
// vertical neighbour, horizontal neighbour, diagonal neighbour. A whole row of quads at a
// time, corner by corner; then each vertex gets its height, colour and normal in one go, so
// that the quads' memory is written in a single pass.
void SmoothQuads(TerrainMesh& mesh, const GridPoints& points, const PaddedFaces& faces, int columns,
                 int rows, const QuadRange& range) {
    struct CornerNeighbours {
        int dColumn, dRow;
    };
    constexpr CornerNeighbours Corners[4] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}};
    const int count = range.lastColumn - range.firstColumn + 1;
    const size_t lanes = static_cast<size_t>(count + CornerLanePadding);
    float* const normals = LaneRows(4 * 3, lanes);
    const auto out = [&](size_t corner, size_t component) {
        return normals + (corner * 3 + component) * lanes;
    };
    const float* const smoothed[4][3] = {{out(0, 0), out(0, 1), out(0, 2)},
                                         {out(1, 0), out(1, 1), out(1, 2)},
                                         {out(2, 0), out(2, 1), out(2, 2)},
                                         {out(3, 0), out(3, 1), out(3, 2)}};
    // The grid points above and below the row of quads, the lower row becoming the upper one.
    thread_local std::vector<GridVertex> scratch;
    GridVertex* upper = ScratchOf(scratch, 2 * lanes);
    GridVertex* lower = upper + lanes;
    const int j = range.firstColumn;
    FillGridVertices(upper, points.Heights(j, range.firstRow), count + 1, j, range.firstRow,
                     columns, rows);
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
        FillGridVertices(lower, points.Heights(j, r + 1), count + 1, j, r + 1, columns, rows);
        WriteTerrainQuadRow(mesh.quads.data() + r * (columns - 1) + j, count, upper, lower,
                            smoothed);
        std::swap(upper, lower);
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
    mesh.filledFor.reset();
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
    mesh.filledFor = TerrainMesh::Window{left, top, columns, rows};
    const QuadRange all{0, 0, columns - 2, rows - 2};
    const GridPoints points(heights, left, top, all);
    PaddedFaces faces(all);
    FillFaces(mesh, faces, tiles, points, left, top, columns - 1, all);
    SmoothQuads(mesh, points, faces, columns, rows, all);
}

void RefillTerrainMeshCells(TerrainMesh& mesh, const HeightMap& heights, const TileMap& tiles,
                            int left, int top, int columns, int rows, const CellRect& cells) {
    if (!heights.HasHeightMap() || TerrainQuadCount(columns, rows) == 0 || cells.Empty())
        return;
    // A cell is grid point (column - left, row - top): the corner of up to four quads, whose
    // faces change; the corners they share with their neighbours change their normals.
    const QuadRange changed{cells.left - left, cells.top - top, cells.right - 1 - left,
                            cells.bottom - 1 - top};
    const QuadRange touching{changed.firstColumn - 1, changed.firstRow - 1, changed.lastColumn,
                             changed.lastRow};
    const auto faces = QuadsAround(columns, rows, touching, 0);
    if (!faces)
        return;
    // The smoothed quads hold the changed faces; their vertices are written again whole
    // (unchanged corners get the same bytes).
    const auto normals = QuadsAround(columns, rows, *faces, 1);
    const GridPoints points(heights, left, top, *normals);
    PaddedFaces padded(*normals);
    FillFaces(mesh, padded, tiles, points, left, top, columns - 1, *faces);
    padded.LoadFrom(mesh, columns - 1, rows - 1);
    SmoothQuads(mesh, points, padded, columns, rows, *normals);
}

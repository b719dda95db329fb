#include "core/mesh/TerrainQuadWriter.h"

#include <algorithm>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Each vertex is written as twelve floats in its own order.
static_assert(offsetof(TerrainVertex, red) == 2 * sizeof(float));
static_assert(offsetof(TerrainVertex, normal) == 6 * sizeof(float));
static_assert(offsetof(TerrainVertex, position) == 9 * sizeof(float));

namespace {
// Base texture coordinates of vertices 0 to 3.
constexpr float TextureS[4] = {0.0f, 0.0f, 1.0f, 1.0f};
constexpr float TextureT[4] = {0.0f, 1.0f, 1.0f, 0.0f};

#if defined(__SSE2__)
// A vertex is three 16-byte moves: (s, t, red, green), (blue, alpha, normal x, normal y) and
// (normal z, position). `normal` holds (z, x, y, -).
inline void WriteVertex(TerrainVertex& vertex, __m128 texture, const GridVertex& point,
                        __m128 normal) {
    auto* to = reinterpret_cast<float*>(&vertex);
    const __m128 colour = _mm_load_ps(point.colour);
    _mm_storeu_ps(to, _mm_movelh_ps(texture, colour));
    _mm_storeu_ps(to + 4, _mm_shuffle_ps(colour, normal, _MM_SHUFFLE(2, 1, 3, 2)));
    _mm_storeu_ps(to + 8, _mm_move_ss(_mm_load_ps(&point.spare), normal));
}

void WriteRow(TerrainQuad* quads, int count, const GridVertex* upper, const GridVertex* lower,
              CornerNormalRows normals) {
    __m128 texture[4];
    for (int k = 0; k < 4; ++k)
        texture[k] = _mm_setr_ps(TextureS[k], TextureT[k], 0.0f, 0.0f);
    for (int first = 0; first < count; first += 4) {
        // Four quads' normals of each corner, turned from one array per component into one
        // (z, x, y, -) per vertex.
        __m128 normal[4][4];
        for (int k = 0; k < 4; ++k) {
            normal[k][0] = _mm_loadu_ps(normals[k][2] + first);
            normal[k][1] = _mm_loadu_ps(normals[k][0] + first);
            normal[k][2] = _mm_loadu_ps(normals[k][1] + first);
            normal[k][3] = _mm_setzero_ps();
            _MM_TRANSPOSE4_PS(normal[k][0], normal[k][1], normal[k][2], normal[k][3]);
        }
        const int lanes = std::min(4, count - first);
        for (int i = 0; i < lanes; ++i) {
            const int q = first + i;
            auto& v = quads[q].vertices;
            WriteVertex(v[0], texture[0], upper[q], normal[0][i]);
            WriteVertex(v[1], texture[1], lower[q], normal[1][i]);
            WriteVertex(v[2], texture[2], lower[q + 1], normal[2][i]);
            WriteVertex(v[3], texture[3], upper[q + 1], normal[3][i]);
        }
    }
}
#else
void WriteRow(TerrainQuad* quads, int count, const GridVertex* upper, const GridVertex* lower,
              CornerNormalRows normals) {
    for (int q = 0; q < count; ++q) {
        const GridVertex* const points[4] = {&upper[q], &lower[q], &lower[q + 1], &upper[q + 1]};
        for (int k = 0; k < 4; ++k) {
            TerrainVertex& vertex = quads[q].vertices[static_cast<size_t>(k)];
            const GridVertex& point = *points[k];
            vertex.s = TextureS[k];
            vertex.t = TextureT[k];
            vertex.red = point.colour[0];
            vertex.green = point.colour[1];
            vertex.blue = point.colour[2];
            vertex.alpha = point.colour[3];
            vertex.normal = {normals[k][0][q], normals[k][1][q], normals[k][2][q]};
            vertex.position = {point.x, point.y, point.z};
        }
    }
}
#endif
} // namespace

void WriteTerrainQuadRow(TerrainQuad* quads, int count, const GridVertex* upper,
                         const GridVertex* lower, CornerNormalRows normals) {
    WriteRow(quads, count, upper, lower, normals);
}

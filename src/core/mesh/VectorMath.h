#pragma once
// The arithmetic behind the Vector3 helpers, defined inline so that the mesh builder's inner
// loops pay no call per vector. Same single-precision operations in the same order.

#include "core/mesh/Vector3.h"

#include <array>
#include <cmath>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace vector_math {

inline void Normalize(Vector3& v) {
    const float s = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    // A near-zero vector is blown up rather than divided by zero.
    const float factor = s >= 1e-8f ? 1.0f / std::sqrt(s) : 100000000.0f;
    for (float& component : v)
        component *= factor;
}

inline void Add(Vector3& to, const Vector3& from) {
    for (int k = 0; k < 3; ++k)
        to[k] += from[k];
}

// The cross product (p2 - p1) x (p2 - p0), not yet normalised.
inline Vector3 QuadCross(const Vector3& p0, const Vector3& p1, const Vector3& p2) {
    const Vector3 a{p2[0] - p1[0], p2[1] - p1[1], p2[2] - p1[2]};
    const Vector3 b{p2[0] - p0[0], p2[1] - p0[1], p2[2] - p0[2]};
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

inline void QuadNormal(const Vector3& p0, const Vector3& p1, const Vector3& p2, Vector3& out) {
    out = QuadCross(p0, p1, p2);
    Normalize(out);
}

// Normalize on four vectors: the square roots and divisions of all four are done in one
// instruction each where the processor has them; each lane rounds exactly as the single one.
inline void NormalizeFour(std::array<Vector3, 4>& vectors) {
    const auto square = [](const Vector3& v) { return v[0] * v[0] + v[1] * v[1] + v[2] * v[2]; };
    const float squares[4] = {square(vectors[0]), square(vectors[1]), square(vectors[2]),
                              square(vectors[3])};
#if defined(__SSE2__)
    alignas(16) float inverses[4];
    const __m128 sums = _mm_setr_ps(squares[0], squares[1], squares[2], squares[3]);
    _mm_store_ps(inverses, _mm_div_ps(_mm_set1_ps(1.0f), _mm_sqrt_ps(sums)));
#else
    float inverses[4];
    for (size_t k = 0; k < 4; ++k)
        inverses[k] = squares[k] >= 1e-8f ? 1.0f / std::sqrt(squares[k]) : 0.0f;
#endif
    for (size_t k = 0; k < 4; ++k) {
        // A near-zero vector is blown up rather than divided by zero.
        const float factor = squares[k] >= 1e-8f ? inverses[k] : 100000000.0f;
        for (float& component : vectors[k])
            component *= factor;
    }
}

} // namespace vector_math

#pragma once
// The arithmetic behind the Vector3 helpers, defined inline so that the mesh builder's inner
// loops pay no call per vector. Same single-precision operations in the same order.

#include "core/mesh/Vector3.h"

#include <array>
#include <cmath>

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

} // namespace vector_math

#include "core/mesh/Vector3.h"

#include "core/mesh/VectorMath.h"

void NormalizeVector(Vector3& v) {
    vector_math::Normalize(v);
}

void CopyVector(const Vector3& from, Vector3& to) {
    to = from;
}

void AddVector(Vector3& to, const Vector3& from) {
    vector_math::Add(to, from);
}

void QuadNormal(const Vector3& p0, const Vector3& p1, const Vector3& p2, Vector3& out) {
    vector_math::QuadNormal(p0, p1, p2, out);
}

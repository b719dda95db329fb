#pragma once
// Three-float vectors of the terrain mesh and the in-place helpers that build its normals.
// Everything is single precision, as the mesh stores it.

#include <array>

using Vector3 = std::array<float, 3>;

// Scales v to length 1; a vector shorter than 1e-4 is multiplied by 1e8 instead.
void NormalizeVector(Vector3& v);
void CopyVector(const Vector3& from, Vector3& to);
// to += from, component-wise.
void AddVector(Vector3& to, const Vector3& from);
// The normalised cross product (p2 - p1) x (p2 - p0).
void QuadNormal(const Vector3& p0, const Vector3& p1, const Vector3& p2, Vector3& out);

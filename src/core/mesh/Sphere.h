#pragma once
// The solid sphere that marks the pointer in the 3D view: the 20 flat triangles of an
// icosahedron whose corners lie on the sphere, not subdivided. The renderer compiles them
// into one display list per radius; this is the geometry, in double precision.

#include <array>
#include <optional>

using Point3d = std::array<double, 3>;

// Unit icosahedron: 12 corners and 20 faces (first, second, third corner) in drawing order.
extern const std::array<Point3d, 12> IcosahedronVertices;
extern const std::array<std::array<int, 3>, 20> IcosahedronFaces;

// One drawn triangle: its outward unit normal and its corners in drawing order, which is
// each face's first, third, second corner, scaled to the radius.
struct SphereTriangle {
    Point3d normal;
    std::array<Point3d, 3> points;
};

// The text of the error shown when a normal cannot be formed (caption "Error"); the
// program then ends with status 1.
inline constexpr const char* ZeroLengthVectorMessage = "normalize: zero length vector";

// The triangles of a sphere of `radius`, or nothing when a normal has zero length (which
// happens only for a radius of 0 or one that is not a number).
std::optional<std::array<SphereTriangle, 20>> SolidSphereTriangles(double radius);

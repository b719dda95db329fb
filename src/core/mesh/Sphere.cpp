#include "core/mesh/Sphere.h"

#include <cmath>

namespace {
constexpr double X = 0.5257311121191336;
constexpr double Z = 0.8506508083520399;

// Scales v to length 1; false for a zero-length vector.
bool Normalized(Point3d v, Point3d& out) {
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (!(length > 0.0))
        return false;
    out = {v[0] / length, v[1] / length, v[2] / length};
    return true;
}

Point3d Difference(const Point3d& a, const Point3d& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

Point3d Cross(const Point3d& a, const Point3d& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
} // namespace

const std::array<Point3d, 12> IcosahedronVertices = {{
    {-X, 0, Z},
    {X, 0, Z},
    {-X, 0, -Z},
    {X, 0, -Z},
    {0, Z, X},
    {0, Z, -X},
    {0, -Z, X},
    {0, -Z, -X},
    {Z, X, 0},
    {-Z, X, 0},
    {Z, -X, 0},
    {-Z, -X, 0},
}};

const std::array<std::array<int, 3>, 20> IcosahedronFaces = {{
    {0, 4, 1}, {0, 9, 4},  {9, 5, 4},  {4, 5, 8},  {4, 8, 1},  {8, 10, 1}, {8, 3, 10},
    {5, 3, 8}, {5, 2, 3},  {2, 7, 3},  {7, 10, 3}, {7, 6, 10}, {7, 11, 6}, {11, 0, 6},
    {0, 1, 6}, {6, 1, 10}, {9, 0, 11}, {9, 11, 2}, {9, 2, 5},  {7, 2, 11},
}};

std::optional<std::array<SphereTriangle, 20>> SolidSphereTriangles(double radius) {
    std::array<SphereTriangle, 20> triangles{};
    for (size_t f = 0; f < IcosahedronFaces.size(); ++f) {
        const auto& face = IcosahedronFaces[f];
        SphereTriangle& triangle = triangles[f];
        // Drawn as first, third, second corner.
        const int order[3] = {face[0], face[2], face[1]};
        for (int k = 0; k < 3; ++k) {
            Point3d unit;
            if (!Normalized(IcosahedronVertices[static_cast<size_t>(order[k])], unit))
                return std::nullopt;
            triangle.points[static_cast<size_t>(k)] = {radius * unit[0], radius * unit[1],
                                                       radius * unit[2]};
        }
        const auto& p = triangle.points;
        if (!Normalized(Cross(Difference(p[0], p[1]), Difference(p[1], p[2])), triangle.normal))
            return std::nullopt;
    }
    return triangles;
}

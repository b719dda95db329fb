#include "core/mesh/Sphere.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
double Dot(const Point3d& a, const Point3d& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
} // namespace

TEST(Sphere, IcosahedronCornersAreUnitVectors) {
    for (const Point3d& v : IcosahedronVertices)
        EXPECT_NEAR(Dot(v, v), 1.0, 1e-15);
    for (const auto& face : IcosahedronFaces)
        for (int corner : face)
            EXPECT_TRUE(corner >= 0 && corner < 12);
}

TEST(Sphere, TrianglesInDrawingOrderWithOutwardNormals) {
    const auto triangles = SolidSphereTriangles(8.0);
    ASSERT_TRUE(triangles);
    // The first face (0, 4, 1) is drawn as vertex 0, vertex 1, vertex 4.
    const auto& first = (*triangles)[0];
    for (int k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(first.points[0][static_cast<size_t>(k)],
                         8.0 * IcosahedronVertices[0][static_cast<size_t>(k)]);
        EXPECT_DOUBLE_EQ(first.points[1][static_cast<size_t>(k)],
                         8.0 * IcosahedronVertices[1][static_cast<size_t>(k)]);
        EXPECT_DOUBLE_EQ(first.points[2][static_cast<size_t>(k)],
                         8.0 * IcosahedronVertices[4][static_cast<size_t>(k)]);
    }
    for (const SphereTriangle& t : *triangles) {
        EXPECT_NEAR(Dot(t.normal, t.normal), 1.0, 1e-12);
        const Point3d centre{t.points[0][0] + t.points[1][0] + t.points[2][0],
                             t.points[0][1] + t.points[1][1] + t.points[2][1],
                             t.points[0][2] + t.points[1][2] + t.points[2][2]};
        EXPECT_GT(Dot(t.normal, centre), 0.0);
        for (const Point3d& p : t.points)
            EXPECT_NEAR(std::sqrt(Dot(p, p)), 8.0, 1e-12);
    }
}

TEST(Sphere, ZeroRadiusHasNoNormals) {
    EXPECT_FALSE(SolidSphereTriangles(0.0));
    EXPECT_FALSE(SolidSphereTriangles(std::nan("")));
}

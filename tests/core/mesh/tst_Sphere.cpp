#include "core/mesh/Sphere.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
double Dot(const Point3d& a, const Point3d& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
} // namespace

TEST(Sphere, TrianglesInDrawingOrderWithOutwardNormals) {
    const auto triangles = SolidSphereTriangles(8.0);
    ASSERT_TRUE(triangles);
    // The first face (0, 4, 1) is drawn as corner 0, corner 1, corner 4.
    const auto& first = (*triangles)[0].points;
    const size_t corners[] = {0, 1, 4};
    for (size_t p = 0; p < 3; ++p)
        for (size_t k = 0; k < 3; ++k)
            EXPECT_DOUBLE_EQ(first[p][k], 8.0 * IcosahedronVertices[corners[p]][k]);
    for (const SphereTriangle& t : *triangles) {
        EXPECT_NEAR(Dot(t.normal, t.normal), 1.0, 1e-12);
        Point3d centre{};
        for (const Point3d& p : t.points) {
            EXPECT_NEAR(std::sqrt(Dot(p, p)), 8.0, 1e-12);
            for (size_t k = 0; k < 3; ++k)
                centre[k] += p[k];
        }
        EXPECT_GT(Dot(t.normal, centre), 0.0);
    }
    // A zero radius has no normals to give.
    EXPECT_FALSE(SolidSphereTriangles(0.0));
}

#include "app/terrain3d/SphereCache.h"

#include "core/mesh/Sphere.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

void DrawTriangles(const std::array<SphereTriangle, 20>& triangles) {
    for (const SphereTriangle& triangle : triangles) {
        glBegin(GL_TRIANGLES);
        glNormal3dv(triangle.normal.data());
        for (const Point3d& point : triangle.points) {
            glVertex3dv(point.data());
        }
        glEnd();
    }
}

} // namespace

void SphereCache::DrawSolidSphere(double radius) {
    const std::vector<double> parameters{radius};
    const auto hit = std::find_if(entries_.rbegin(), entries_.rend(), [&](const Entry& entry) {
        return entry.parameters == parameters;
    });
    if (hit != entries_.rend()) {
        glCallList(hit->list);
        return;
    }
    // A radius without a sphere (0 or not a number) has no normals: nothing to draw or keep.
    const auto triangles = SolidSphereTriangles(radius);
    if (!triangles) {
        return;
    }
    const GLuint list = glGenLists(1);
    if (list == 0) {
        DrawTriangles(*triangles); // no list to be had: draw it directly this time
        return;
    }
    entries_.push_back({list, parameters});
    glNewList(list, GL_COMPILE_AND_EXECUTE);
    DrawTriangles(*triangles);
    glEndList();
}

#include "app/terrain3d/TerrainRenderer.h"

#include "core/edit/Editor.h"
#include "core/mesh/Camera.h"
#include "core/mesh/PointerMarker.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace {

std::string GlText(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text ? reinterpret_cast<const char*>(text) : std::string{};
}

// The quads of the current window that the mesh really holds.
int FrameQuadCount(const Editor& editor) {
    const int count = TerrainQuadCount(editor.view.ViewCells, editor.view.ViewCells);
    const size_t held = std::min(editor.mesh.quads.size(), editor.mesh.QuadTile.size());
    return std::clamp(count, 0, static_cast<int>(held));
}

} // namespace

void SetStartProjection() {
    glViewport(0, 0, 650, 550);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30.0, 1.0, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void ReshapeTerrainView(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A window squeezed to no height keeps its last usable aspect rather than dividing by 0.
    const double aspect = height > 0 ? static_cast<double>(width) / height : 1.0;
    gluPerspective(45.0, aspect, 0.5, 100000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void TerrainRenderer::SetupTerrainGlState(Editor& editor, Shell& shell) {
    editor.driver = {GlText(GL_VENDOR), GlText(GL_RENDERER), GlText(GL_VERSION),
                     GlText(GL_EXTENSIONS)};

    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    SetStartProjection();

    const GLfloat diffuse[] = {0.6f, 0.6f, 0.6f, 1.0f};
    const GLfloat ambient[] = {0.9f, 0.9f, 0.9f, 1.0f};
    const GLfloat specular[] = {0.2f, 0.2f, 0.2f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 25.0f);

    // Given while the model-view matrix is the identity: the light stays fixed to the eye.
    const GLfloat lightDirection[] = {0.0f, 1.0f, 1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, lightDirection);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);

    glClearColor(0.0f, 0.5f, 1.0f, 1.0f);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnable(GL_CULL_FACE);

    textures_.LoadTerrainTextures(shell);
    glClearDepth(1.0);
}

void TerrainRenderer::DrawTerrainFrame(Editor& editor, TexturedPass pass) {
    if (!editor.flags.Show3DView) {
        return;
    }
    const int quadCount = FrameQuadCount(editor);

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    Camera& camera = editor.camera;
    ClampAndWrapCamera(camera);
    glTranslatef(0.0f, 0.0f, camera.CameraDistance);
    glRotatef(camera.CameraElevation, 1.0f, 0.0f, 0.0f);
    glRotatef(camera.CameraAzimuth, 0.0f, 1.0f, 0.0f);

    const bool textured = editor.flags.ShowTextures;
    if (textured) {
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
    if (quadCount > 0) {
        if (!textured) {
            glInterleavedArrays(GL_T2F_C4F_N3F_V3F, 0, editor.mesh.VertexData());
            glDrawArrays(GL_QUADS, 0, 4 * quadCount);
        } else if (pass == TexturedPass::Batched) {
            DrawTexturedBatched(editor.mesh, quadCount);
        } else {
            DrawTexturedPerQuad(editor.mesh, quadCount);
        }
        if (editor.flags.Show3DGrid) {
            DrawGrid(editor.mesh, quadCount);
        }
    }
    if (editor.cursor.PointerIn3D) {
        DrawPointerMarker(PointerMarkerPosition(editor.mesh, editor.view.ViewCells,
                                                editor.view.TilePixels, editor.cursor.MouseX,
                                                editor.cursor.MouseY),
                          textured);
    }
    glFlush();
}

void TerrainRenderer::DrawTexturedBatched(const TerrainMesh& mesh, int quadCount) {
    batch_.Rebuild(mesh, quadCount);
    glInterleavedArrays(GL_T2F_C4F_N3F_V3F, 0, batch_.VertexData());
    const auto& runs = batch_.Runs();
    for (unsigned code = 0; code < runs.size(); ++code) {
        if (runs[code].quadCount == 0) {
            continue;
        }
        glBindTexture(GL_TEXTURE_2D, textures_.TextureOf(code));
        glDrawElements(GL_TRIANGLES, TrianglesPerQuad * 3 * runs[code].quadCount, GL_UNSIGNED_INT,
                       batch_.TriangleIndices(runs[code].firstQuad));
    }
}

void TerrainRenderer::DrawTexturedPerQuad(TerrainMesh& mesh, int quadCount) {
    glInterleavedArrays(GL_T2F_C4F_N3F_V3F, 0, mesh.VertexData());
    bool anyBound = false;
    unsigned bound = 0;
    for (int i = 0; i < quadCount; ++i) {
        const uint32_t tile = mesh.QuadTile[i];
        const unsigned texture = textures_.TextureOf(tile);
        if (!anyBound || texture != bound) {
            glBindTexture(GL_TEXTURE_2D, texture);
            bound = texture;
            anyBound = true;
        }
        SetQuadTexCoords(mesh.quads[i], tile);
        glDrawArrays(GL_QUADS, 4 * i, 4);
    }
}

void TerrainRenderer::DrawGrid(const TerrainMesh& mesh, int quadCount) {
    glColor3f(1.0f, 0.0f, 0.0f);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    for (int i = 0; i < quadCount; ++i) {
        glBegin(GL_LINE_LOOP);
        for (const TerrainVertex& vertex : mesh.quads[i].vertices) {
            glVertex3fv(vertex.position.data());
        }
        glEnd();
    }
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_TEXTURE_2D);
}

void TerrainRenderer::DrawPointerMarker(const Vector3& ground, bool textured) {
    // A pin on the terrain with a ball on top, in plain red over everything: the pointer is
    // hidden while the 3D view holds it, so the marker must never be behind a hill.
    constexpr float PinHeight = 48.0f;
    constexpr double BallRadius = 8.0;
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    glVertex3f(ground[0], ground[1], ground[2]);
    glVertex3f(ground[0], ground[1] + PinHeight, ground[2]);
    glEnd();
    glPushMatrix();
    glTranslatef(ground[0], ground[1] + PinHeight, ground[2]);
    spheres_.DrawSolidSphere(BallRadius);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    if (textured) {
        glEnable(GL_TEXTURE_2D);
    }
}

void TerrainRenderer::ForgetContext() {
    textures_.Forget();
    spheres_.Forget();
}

#pragma once
// Drawing the 3D preview with OpenGL 1.1 fixed function: the one-time GL state, the
// projection for the window size, and one frame of terrain, grid and pointer marker.
// Every operation needs the 3D view's context to be current.

#include "app/terrain3d/SphereCache.h"
#include "app/terrain3d/TerrainTextures.h"
#include "app/terrain3d/TexturedQuadBatch.h"

#include "core/mesh/Vector3.h"

struct Editor;
class Shell;

// How the textured pass reaches OpenGL. Both give the same picture.
enum class TexturedPass {
    Batched, // quads grouped by tile, one draw call per tile code present
    PerQuad, // one bind check, coordinate rewrite and draw call per quad
};

// The start projection before the window's first resize: a 650 x 550 viewport, 30 degrees,
// aspect 1, near 0.1, far 100; model-view selected and reset.
void SetStartProjection();

// Viewport to the client size and a 45-degree perspective (near 0.5, far 100,000) with the
// window's aspect; model-view selected and reset.
void ReshapeTerrainView(int width, int height);

class TerrainRenderer {
  public:
    // The fixed state, in order: driver strings into editor.driver, depth test, the start
    // projection, material, eye-fixed light 0, lighting, clear colour, client arrays,
    // back-face culling, the 3D textures (under the progress dialog), depth clear value.
    void SetupTerrainGlState(Editor& editor, Shell& shell);

    // One frame into the current framebuffer (the caller swaps). Does nothing while
    // "3D View" is off. While the pointer is here, a red marker stands on the terrain where
    // the pointer left the texture view.
    void DrawTerrainFrame(Editor& editor, TexturedPass pass = TexturedPass::Batched);

    // Forgets everything that belonged to a context that is gone.
    void ForgetContext();

    const TerrainTextures& Textures() const { return textures_; }
    SphereCache& Spheres() { return spheres_; }

  private:
    void DrawTexturedBatched(const TerrainMesh& mesh, int quadCount);
    void DrawTexturedPerQuad(TerrainMesh& mesh, int quadCount);
    void DrawGrid(const TerrainMesh& mesh, int quadCount);
    void DrawPointerMarker(const Vector3& ground, bool textured);

    TerrainTextures textures_;
    SphereCache spheres_;
    TexturedQuadBatch batch_;
};

#pragma once
// The "3D Terrain View" window: an owned, sizable top-level window with its own OpenGL
// context (compatibility profile, depth and double buffer) that shows the previewed block
// as lit, textured terrain and turns mouse drags into camera moves. The frames are drawn in
// an embedded native OpenGL window, straight to the screen. It follows the document: a change
// of tiles or heights inside the 3D window, a moved block or a display toggle asks for a
// frame, and the frame first brings the mesh up to date.
//
// How the application uses it:
//   auto* view = new TerrainViewWindow(editor, shell, mainWindow);
//   if (view->InitTerrainView() != 0) { /* "OpenGL failed to initialize!", exit -1 */ }
//   shell.handPointerTo3D = [view](int y) { view->TakePointer(y); };
//   shell.releasePointer = [view] { view->GiveBackPointerIfHeld(); };
//   shell.SetWindow(WindowId::TerrainView, view); // show/hide through SetWindowVisible
// The window starts hidden; closing it only hides it.

#include "app/terrain3d/TerrainContextCheck.h"
#include "app/terrain3d/TerrainRenderer.h"
#include "core/mesh/TerrainMeshFollower.h"
#include "core/model/MapDocument.h"

#include <QImage>
#include <QWidget>

struct Editor;
class Shell;
class TerrainGlWindow;

class TerrainViewWindow : public QWidget, private ScopedDocumentListener {
    Q_OBJECT
  public:
    TerrainViewWindow(Editor& editor, Shell& shell, QWidget* owner = nullptr);
    ~TerrainViewWindow() override;

    // Creates the context while the window is still hidden, sets up the GL state, stores the
    // driver strings, loads the 3D textures (under the progress dialog) and lays out the
    // terrain grid. 0 on success; 4 after showing the failure's message.
    int InitTerrainView();

    // Asks for one frame; nothing happens while the window is hidden or "3D View" is off.
    void DrawTerrainFrame();

    // The main window hands the pointer over at the left screen edge: hide the cursor, put it
    // at the right screen edge on row `screenY` and capture the mouse. While the pointer is
    // here a red marker stands on the terrain where it left the texture view. Declined (PointerIn3D
    // cleared, nothing hidden) while the window is not shown, since a hidden window could
    // never give the pointer back.
    void TakePointer(int screenY);
    // Gives a captured pointer back to the main window (nothing when the view does not hold
    // it), as before a dialog opens.
    void GiveBackPointerIfHeld();

    bool TerrainViewReady() const { return ready_; }
    // Frames drawn so far (a frame is drawn only while the view is shown and "3D View" on).
    int FramesDrawn() const { return framesDrawn_; }
    // Current mouse button set of a camera drag (0: none, 2: left, 3: right or both).
    int DragButtons() const { return dragButtons_; }
    TerrainRenderer& Renderer() { return renderer_; }
    // Which way the textured pass reaches OpenGL (the per-quad way serves as a reference).
    void SetTexturedPass(TexturedPass pass) { texturedPass_ = pass; }

    // Draws a frame now (as a repaint would) and returns it.
    QImage grabFramebuffer();
    // Makes the view's context current, for OpenGL calls from outside its frames.
    void MakeContextCurrent();
    void ReleaseContext();

  signals:
    // A frame reached the screen.
    void frameSwapped();

  protected:
    // A repaint of the window (the shell's invalidation) asks the OpenGL window for a frame.
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void TilesChanged(const CellRect& cells) override;
    void HeightsChanged(const CellRect& cells) override;
    void ViewChanged(ViewAspect aspect) override;
    // Asks for a frame when `cells` meet the 3D window.
    void DrawIfShown(const CellRect& cells);

    void InitializeGl();
    void ResizeGl(int width, int height);
    void PaintGl();
    void GiveBackPointer(int screenY);

    TerrainGlWindow* glWindow_; // owned by its container widget

    Editor& editor_;
    Shell& shell_;
    TerrainRenderer renderer_;
    TerrainMeshFollower meshFollower_;
    TexturedPass texturedPass_ = TexturedPass::Batched;
    bool ready_ = false;
    TerrainContextProblem contextProblem_ = TerrainContextProblem::None;
    int framesDrawn_ = 0;
    int dragButtons_ = 0;
    int dragX_ = 0;
    int dragY_ = 0;
};

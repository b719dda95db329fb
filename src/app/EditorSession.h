#pragma once
// The running editor: one Editor, the Qt shell and the program's windows, created in the
// start-up order, fed the three commands that open the program, and released in the
// shutdown order. main() runs one; the widget tests run as many as they like.

#include "app/ToolPalette.h"

#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class MainWindow;
class QtShell;
class QWidget;
struct Editor;
struct TileBitmaps;

class EditorSession {
  public:
    explicit EditorSession(QtShell& shell);
    ~EditorSession();

    // Reads the target areas and creates the main window, the 3D view, the height view, the
    // texture view's resources and the tool palette, in that order. 0 when all exist; after
    // a failure its notice is shown and the result is -1, the program's exit status.
    int StartUp();
    // Queues "3D View" and "&Height Map" behind the 50% zoom that start-up queued.
    void PostStartCommands();
    // Queues the opening of files named on the command line behind those commands.
    void PostOpenFiles(std::vector<std::string> paths);
    // Destroys the 3D view, then frees the height map and the tile map.
    void ShutDown();

    Editor& State() { return *editor_; }
    QtShell& Shell() { return shell_; }
    MainWindow* Main() const { return main_.get(); }
    ToolPalette* Palette() const { return palette_; }
    QWidget* HeightView() const { return heightView_; }
    QWidget* TerrainView() const { return terrainView_; }

  private:
    // Puts the height view and the 3D view where they hide neither the menu nor the palette.
    void PlaceSecondaryWindows();
    bool InitTerrainView();
    bool CreateHeightView();
    bool InitTextureView();
    bool CreateToolPalette();
    QImage TilePicture(int rotation, int code) const;

    QtShell& shell_;
    std::unique_ptr<Editor> editor_;
    std::unique_ptr<TileBitmaps> tileBitmaps_; // the turned tile pictures of the texture view
    std::unique_ptr<MainWindow> main_;
    QPointer<QWidget> terrainView_;
    QPointer<QWidget> heightView_;
    QPointer<ToolPalette> palette_;
};

#pragma once
// The height view: a fixed-size top-level window owned by the main window that shows the
// whole height map at one pixel per cell. Its "&Options" menu opens and saves height files,
// converts elevation grids and imports elevation rasters; a left click or drag re-centres the
// texture view and the 3D preview on the cell under the pointer; closing it only hides it.
//
// How the application uses it:
//   auto* view = new HeightViewWindow(editor, shell, mainWindow);
//   if (view->CreateHeightView() != 0) { /* "Height Window failed to initialize!" */ }
//   shell.SetWindow(WindowId::HeightView, view); // shown and hidden by "&Height Map"

#include "app/ImportElevationFromUser.h"
#include "core/model/MapDocument.h"

#include <QWidget>

struct Editor;
class Shell;
class QMenu;

class HeightViewWindow : public QWidget, private ScopedDocumentListener {
    Q_OBJECT
  public:
    HeightViewWindow(Editor& editor, Shell& shell, QWidget* owner = nullptr);

    // Start-up's part: the program starts without height data. Returns 0.
    int CreateHeightView();

    QMenu* OptionsMenu() const { return options_; }
    // How "Import Elevation..." asks for its options (a dialog unless replaced).
    void SetImportOptionsAsker(ImportOptionsAsker asker) { askImportOptions_ = std::move(asker); }
    // The 640 x 320 area that shows the map (below the menu bar).
    QWidget* Canvas() const { return canvas_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    friend class HeightViewCanvas;
    void PointerAt(QPoint position, Qt::MouseButtons buttons);
    // The map shows here at one pixel per cell: changed heights repaint their pixels; the
    // rails, the block's frame and the display flags the whole map.
    void HeightsChanged(const CellRect& cells) override;
    void RailsChanged() override;
    void ViewChanged(ViewAspect /*aspect*/) override;

    Editor& editor_;
    Shell& shell_;
    QMenu* options_ = nullptr;
    QWidget* canvas_ = nullptr;
    ImportOptionsAsker askImportOptions_;
};

#pragma once
// The main window's client area: the texture view. It paints through the shared texture
// view painter, turns Qt's key and mouse events into the core's input operations and
// repaints what the document says has changed.

#include "app/LeftButtonTracker.h"
#include "core/edit/InputEvents.h"
#include "core/model/MapDocument.h"
#include "core/render/TextureViewPainter.h"

#include <QTimer>
#include <QWidget>

#include <vector>

struct Editor;
class Shell;

class TextureViewWidget : public QWidget, private ScopedDocumentListener {
    Q_OBJECT
  public:
    TextureViewWidget(Editor& editor, Shell& shell, ScaledTileCache::Source tiles,
                      QWidget* parent = nullptr);

    LeftButtonTracker& Tracker() { return tracker_; }
    TextureViewPainter& Painter() { return painter_; }

  signals:
    // The pointer moved or an input was handled: what the status bar shows may have changed.
    void inputHandled();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The wheel scrolls, with Shift sideways; with Ctrl it steps through the zoom levels
    // around the cell under the pointer.
    void wheelEvent(QWheelEvent* event) override;

  private:
    // The pixels of changed tiles (with a margin for frames drawn on their edges) and of the
    // marks drawn at the pointer, where they were and where they are (with a margin for wide
    // pens and smoothed edges); anything else that shows here repaints the whole view.
    void TilesChanged(const CellRect& cells) override;
    void PointerOverlayChanged(const CellRect& before, const CellRect& now) override;
    void RailsChanged() override { update(); }
    void TargetAreasChanged() override { update(); }
    void ViewChanged(ViewAspect /*aspect*/) override { update(); }
    // The view pixels of `cells` widened by `margin` on every side, within the view.
    QRect PixelsAround(const CellRect& cells, int margin) const;
    // Moves the selection frame's dashes along while the frame shows; other tools keep the
    // selection but do not draw it.
    void MarchSelectionFrame();
    bool ShowsSelectionFrame() const;
    // A mouse move to client position `client` (screen position `screen`).
    void FollowPointer(QPoint client, QPoint screen);

    Editor& editor_;
    QTimer marchTimer_;
    Shell& shell_;
    TextureViewPainter painter_;
    LeftButtonTracker tracker_;
    Modifiers pressModifiers_;          // modifiers of the press that started the tracking
    std::vector<Key> keysDuringStroke_; // keys pressed while the left button was tracked
    QPoint wheelRemainder_;             // eighths of a degree short of a whole wheel notch
};

#pragma once
// The main window's client area: the texture view. It paints through the shared texture
// view painter and turns Qt's key and mouse events into the core's input operations.

#include "app/LeftButtonTracker.h"
#include "core/render/TextureViewPainter.h"

#include <QWidget>

#include <vector>

struct Editor;
class Shell;

class TextureViewWidget : public QWidget {
    Q_OBJECT
  public:
    TextureViewWidget(Editor& editor, Shell& shell, ScaledTileCache::Source tiles,
                      QWidget* parent = nullptr);

    LeftButtonTracker& Tracker() { return tracker_; }
    TextureViewPainter& Painter() { return painter_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Editor& editor_;
    Shell& shell_;
    TextureViewPainter painter_;
    LeftButtonTracker tracker_;
    int pressKeyFlags_ = 0;             // modifier state of the press that started the tracking
    std::vector<int> keysDuringStroke_; // keys pressed while the left button was tracked
};

// The key-state flags of a mouse message: modifiers and held buttons.
int MouseKeyFlags(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
// The virtual-key code of the keys the editor reacts to, or 0.
int VirtualKeyCode(int qtKey);

#pragma once
// The OpenGL surface of the 3D view: a native window that the view's widget embeds, so that
// each frame is drawn straight into the window's own framebuffer and swapped, with no second
// pass that composites an offscreen picture into the widget's window. Drawing and input are
// handed to the view.

#include <QOpenGLWindow>

#include <functional>

class QWidget;

class TerrainGlWindow : public QOpenGLWindow {
    Q_OBJECT
  public:
    struct Handlers {
        std::function<void()> initialize;
        std::function<void(int width, int height)> resize;
        std::function<void()> paint;
    };

    // Mouse and key events go on to `eventTarget`, which covers this window exactly.
    TerrainGlWindow(Handlers handlers, QWidget* eventTarget);

    // Makes the platform window and the context now, even while nothing is shown, and runs
    // the initialisation. False when there is no context.
    bool CreateContext();

  protected:
    void initializeGL() override { handlers_.initialize(); }
    void resizeGL(int width, int height) override { handlers_.resize(width, height); }
    void paintGL() override { handlers_.paint(); }
    bool event(QEvent* event) override;

  private:
    Handlers handlers_;
    QWidget* eventTarget_;
};

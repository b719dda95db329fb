#include "app/terrain3d/TerrainViewWindow.h"

#include "app/terrain3d/TerrainGlWindow.h"

#include "core/edit/Editor.h"
#include "core/edit/UnsavedChanges.h"
#include "core/mesh/Camera.h"

#include <GL/gl.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QSurfaceFormat>

namespace {

constexpr int ClientWidth = 640;
constexpr int ClientHeight = 480;

QSurfaceFormat TerrainSurfaceFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setDepthBufferSize(16);
    return format;
}

int ScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

} // namespace

TerrainViewWindow::TerrainViewWindow(Editor& editor, Shell& shell, QWidget* owner)
    : QWidget(owner, Qt::Window), ScopedDocumentListener(editor.document), editor_(editor),
      shell_(shell), meshFollower_(editor.document, editor.mesh) {
    setWindowTitle("3D Terrain View");
    setMouseTracking(true); // moves arrive without a button, as the pointer hand-back needs
    setFocusPolicy(Qt::StrongFocus);
    glWindow_ = new TerrainGlWindow({[this] { InitializeGl(); },
                                     [this](int width, int height) { ResizeGl(width, height); },
                                     [this] { PaintGl(); }},
                                    this);
    glWindow_->setFormat(TerrainSurfaceFormat());
    glWindow_->resize(ClientWidth, ClientHeight);
    QWidget* container = QWidget::createWindowContainer(glWindow_, this);
    container->setMouseTracking(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);
    move(0, 0);
    resize(ClientWidth, ClientHeight);
    connect(glWindow_, &QOpenGLWindow::frameSwapped, this, &TerrainViewWindow::frameSwapped);
}

TerrainViewWindow::~TerrainViewWindow() {
    if (editor_.cursor.PointerIn3D) {
        releaseMouse();
        editor_.cursor.PointerIn3D = false;
    }
    ready_ = false;
}

int TerrainViewWindow::InitTerrainView() {
    // The context has to exist now, while the window is still hidden, so that its failures
    // stop start-up. A window shown but kept off the screen gets the same context and
    // compositing set-up as a visible one (a context made for a never-shown window would
    // leave the window black once shown); "3D View" is still off, so nothing is drawn.
    setAttribute(Qt::WA_DontShowOnScreen, true);
    show();
    TerrainContextProblem problem = TerrainContextProblem::NoWindow;
    if (windowHandle() != nullptr) {
        problem = glWindow_->CreateContext() ? contextProblem_ : TerrainContextProblem::NoContext;
    }
    hide();
    setAttribute(Qt::WA_DontShowOnScreen, false);
    if (problem == TerrainContextProblem::None && !ready_) {
        problem = TerrainContextProblem::NoContext; // initialisation never ran
    }
    if (ReportTerrainContextProblem(problem, shell_) != 0) {
        return 4;
    }
    BuildTerrainGrid(editor_.mesh, editor_.view.ViewCells, editor_.view.ViewCells);
    return 0;
}

void TerrainViewWindow::MakeContextCurrent() {
    glWindow_->makeCurrent();
}

void TerrainViewWindow::ReleaseContext() {
    glWindow_->doneCurrent();
}

QImage TerrainViewWindow::grabFramebuffer() {
    if (!glWindow_->isValid())
        return QImage();
    glWindow_->makeCurrent();
    PaintGl();
    // Read back from the framebuffer just drawn, before any swap.
    return glWindow_->grabFramebuffer();
}

void TerrainViewWindow::InitializeGl() {
    ready_ = false;
    renderer_.ForgetContext(); // a new context has none of the old textures or lists
    GLint depthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    if (depthBits <= 0) {
        contextProblem_ = TerrainContextProblem::NoDepthBuffer;
        return;
    }
    contextProblem_ = TerrainContextProblem::None;
    renderer_.SetupTerrainGlState(editor_, shell_);
    ready_ = true;
}

void TerrainViewWindow::ResizeGl(int width, int height) {
    if (ready_) {
        ReshapeTerrainView(width, height);
    }
}

void TerrainViewWindow::PaintGl() {
    if (!ready_ || !isVisible() || !editor_.flags.Show3DView) {
        return;
    }
    const ViewState& view = editor_.view;
    meshFollower_.BringUpToDate(view.TerrainLeft, view.TerrainTop, view.ViewCells);
    renderer_.DrawTerrainFrame(editor_, texturedPass_);
    ++framesDrawn_;
}

void TerrainViewWindow::TilesChanged(const CellRect& cells) {
    DrawIfShown(cells);
}

void TerrainViewWindow::HeightsChanged(const CellRect& cells) {
    DrawIfShown(cells);
}

void TerrainViewWindow::ViewChanged(ViewAspect /*aspect*/) {
    // What is drawn at the texture view's pointer comes as another announcement and does not
    // show here.
    DrawTerrainFrame();
}

void TerrainViewWindow::DrawIfShown(const CellRect& cells) {
    const ViewState& view = editor_.view;
    // A cell is a corner of the quads around it, so the window reaches one cell further.
    const CellRect window{view.TerrainLeft - 1, view.TerrainTop - 1,
                          view.TerrainLeft + view.ViewCells + 1,
                          view.TerrainTop + view.ViewCells + 1};
    if (cells.Intersects(window))
        DrawTerrainFrame();
}

void TerrainViewWindow::DrawTerrainFrame() {
    if (ready_ && isVisible() && editor_.flags.Show3DView) {
        glWindow_->requestUpdate();
    }
}

void TerrainViewWindow::paintEvent(QPaintEvent*) {
    DrawTerrainFrame();
}

void TerrainViewWindow::TakePointer(int screenY) {
    if (!isVisible()) {
        editor_.cursor.PointerIn3D = false;
        return;
    }
    editor_.cursor.PointerIn3D = true;
    setCursor(Qt::BlankCursor);
    glWindow_->setCursor(Qt::BlankCursor);
    QCursor::setPos(ScreenWidth() - 5, screenY);
    grabMouse();
    // The marker appears; it stands still, so frames follow only what changes.
    DrawTerrainFrame();
}

void TerrainViewWindow::GiveBackPointer(int screenY) {
    editor_.cursor.PointerIn3D = false;
    unsetCursor();
    glWindow_->unsetCursor();
    QCursor::setPos(5, screenY);
    releaseMouse();
    DrawTerrainFrame(); // without the marker
}

void TerrainViewWindow::GiveBackPointerIfHeld() {
    if (editor_.cursor.PointerIn3D)
        GiveBackPointer(QCursor::pos().y());
}

void TerrainViewWindow::closeEvent(QCloseEvent* event) {
    // Closing only hides the window; its context, textures and camera stay.
    event->ignore();
    hide();
    editor_.flags.Show3DView = false;
    shell_.MenuChecksChanged();
    editor_.document.AnnounceViewChanged(ViewAspect::Display);
}

void TerrainViewWindow::hideEvent(QHideEvent* event) {
    // A hidden window gets no mouse moves, so it could never give a captured pointer back.
    GiveBackPointerIfHeld();
    QWidget::hideEvent(event);
}

void TerrainViewWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        // Ends the whole program, as the main loop's quit does, unless unsaved work is kept.
        // A held-down Escape counts once.
        if (!event->isAutoRepeat() && ConfirmQuit(editor_, shell_, WindowId::TerrainView))
            QCoreApplication::exit(0);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TerrainViewWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    dragX_ = position.x();
    dragY_ = position.y();
    if (event->button() == Qt::LeftButton) {
        dragButtons_ |= DragLeftButton;
    } else if (event->button() == Qt::RightButton) {
        dragButtons_ |= DragRightButton;
    }
}

void TerrainViewWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        dragButtons_ = 0; // either release ends any drag
    }
}

void TerrainViewWindow::mouseMoveEvent(QMouseEvent* event) {
    if (editor_.flags.FocusFollowsMouse && !isActiveWindow()) {
        activateWindow();
    }
    const QPoint screen = QCursor::pos();
    if (editor_.cursor.PointerIn3D && screen.x() > ScreenWidth() - 2) {
        GiveBackPointer(screen.y());
    }
    if (dragButtons_ != 0) {
        const QPoint position = event->position().toPoint();
        DragCamera(editor_.camera, dragButtons_, dragX_, position.x(), dragY_, position.y());
        dragX_ = position.x();
        dragY_ = position.y();
        DrawTerrainFrame();
    }
}

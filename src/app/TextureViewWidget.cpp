#include "app/TextureViewWidget.h"

#include "core/edit/Editor.h"
#include "core/edit/Input.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <utility>

namespace {

constexpr int MK_LBUTTON = 0x0001;
constexpr int MK_RBUTTON = 0x0002;
constexpr int MK_MBUTTON = 0x0010;

} // namespace

int MouseKeyFlags(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    int flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    if (buttons & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    return flags;
}

int VirtualKeyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    default:
        break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F9)
        return VK_F1 + (qtKey - Qt::Key_F1);
    return 0;
}

TextureViewWidget::TextureViewWidget(Editor& editor, Shell& shell, ScaledTileCache::Source tiles,
                                     QWidget* parent)
    : QWidget(parent), editor_(editor), shell_(shell), painter_(std::move(tiles)),
      tracker_(
          [this](QPoint client) {
              TrackLeftButton(editor_, shell_, client.x(), client.y(), pressKeyFlags_);
          },
          [this] {
              EndLeftButtonTracking(editor_, shell_);
              // Keys held back during the stroke count once it has ended, release included.
              QMetaObject::invokeMethod(
                  this,
                  [this] {
                      for (const int key : std::exchange(keysDuringStroke_, {}))
                          PressKey(editor_, shell_, key);
                  },
                  Qt::QueuedConnection);
          },
          this) {
    setObjectName("TextureView");
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // The view paints every pixel itself: the block of cells, and the window's grey
    // background only where the block does not reach (cells whose picture is missing show
    // that grey too).
    setAttribute(Qt::WA_OpaquePaintEvent);
    painter_.SetBackgroundColour(QColor(128, 128, 128));
    tracker_.leftButtonHeld = [] {
        return (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
    };
    tracker_.cursorPosition = [this] { return mapFromGlobal(QCursor::pos()); };
}

void TextureViewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter_.PaintTextureView(painter, size(), editor_, shell_);
}

void TextureViewWidget::keyPressEvent(QKeyEvent* event) {
    const int key = VirtualKeyCode(event->key());
    if (key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Escape held down would close the question about unsaved changes and open it again.
    if (key == VK_ESCAPE && event->isAutoRepeat())
        return;
    // A stroke of the left button is one action: scrolling, switching tools or quitting in
    // its middle would paint where the user is not pointing, so keys wait for its end.
    if (tracker_.IsActive()) {
        keysDuringStroke_.push_back(key);
        return;
    }
    PressKey(editor_, shell_, key);
}

void TextureViewWidget::mouseMoveEvent(QMouseEvent* event) {
    // During a stroke the tracker's readings follow the cursor; handing the pointer to the
    // 3D view at the screen edge would leave the stroke painting where the pointer went.
    if (tracker_.IsActive())
        return;
    PointerPosition pointer;
    const QPoint screen = event->globalPosition().toPoint();
    const QPoint client = event->position().toPoint();
    pointer.screenX = screen.x();
    pointer.screenY = screen.y();
    pointer.clientX = client.x();
    pointer.clientY = client.y();
    MoveMouse(editor_, shell_, pointer, hasFocus());
}

void TextureViewWidget::mousePressEvent(QMouseEvent* event) {
    const int flags = MouseKeyFlags(event->modifiers(), event->buttons());
    switch (event->button()) {
    case Qt::LeftButton:
        if (PressLeftButton(editor_, shell_, flags)) {
            pressKeyFlags_ = flags;
            tracker_.Start();
        }
        break;
    case Qt::RightButton:
        PressRightButton(editor_, shell_, flags);
        break;
    case Qt::MiddleButton:
        PressMiddleButton(editor_, shell_, flags);
        break;
    default:
        break;
    }
}

void TextureViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int flags = MouseKeyFlags(event->modifiers(), event->buttons());
    switch (event->button()) {
    case Qt::LeftButton:
        // The tracking ends before the release itself is handled.
        tracker_.Stop();
        ReleaseLeftButton(editor_, shell_, flags);
        break;
    case Qt::RightButton:
        ReleaseRightButton(editor_, shell_, flags);
        break;
    default:
        break;
    }
}

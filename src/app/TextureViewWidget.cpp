#include "app/TextureViewWidget.h"

#include "app/InputAdapter.h"

#include "core/edit/Editor.h"
#include "core/edit/Input.h"
#include "core/tools/AreaToolSupport.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <utility>

TextureViewWidget::TextureViewWidget(Editor& editor, Shell& shell, ScaledTileCache::Source tiles,
                                     QWidget* parent)
    : QWidget(parent), editor_(editor), shell_(shell), painter_(std::move(tiles)),
      tracker_(
          [this](QPoint client) {
              // Past the view's edge the stroke pauses until the pointer comes back.
              if (!rect().contains(client))
                  return;
              TrackLeftButton(editor_, shell_, client.x(), client.y(), pressModifiers_);
          },
          [this] {
              EndLeftButtonTracking(editor_, shell_);
              // Keys held back during the stroke count once it has ended, release included.
              QMetaObject::invokeMethod(
                  this,
                  [this] {
                      for (const Key key : std::exchange(keysDuringStroke_, {}))
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
    marchTimer_.setInterval(150);
    connect(&marchTimer_, &QTimer::timeout, this, [this] { MarchSelectionFrame(); });
}

void TextureViewWidget::MarchSelectionFrame() {
    const auto& selection = editor_.area.selection;
    if (!selection) {
        marchTimer_.stop();
        return;
    }
    ++editor_.area.marchPhase;
    // Only the frame's four edges repaint.
    const QRect frame = ViewPixelsOf(editor_, *selection);
    const QRegion edges =
        QRegion(frame.adjusted(-1, -1, 1, 1)) - QRegion(frame.adjusted(1, 1, -1, -1));
    update(edges);
}

void TextureViewWidget::paintEvent(QPaintEvent*) {
    if (editor_.area.selection && !marchTimer_.isActive())
        marchTimer_.start();
    QPainter painter(this);
    painter_.PaintTextureView(painter, size(), editor_, shell_);
}

void TextureViewWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<Key> key = KeyOf(event->key());
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Escape held down would close the question about unsaved changes and open it again.
    if (key == Key::Escape && event->isAutoRepeat())
        return;
    // A stroke of the left button is one action: scrolling, switching tools or quitting in
    // its middle would paint where the user is not pointing, so keys wait for its end.
    if (tracker_.IsActive()) {
        keysDuringStroke_.push_back(*key);
        return;
    }
    PressKey(editor_, shell_, *key);
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
    const Modifiers modifiers = ModifiersOf(event->modifiers());
    switch (event->button()) {
    case Qt::LeftButton:
        if (PressLeftButton(editor_, shell_, modifiers)) {
            pressModifiers_ = modifiers;
            tracker_.Start();
        }
        break;
    case Qt::RightButton:
        PressRightButton(editor_, shell_, modifiers);
        break;
    case Qt::MiddleButton:
        PressMiddleButton(editor_, shell_, modifiers);
        break;
    default:
        break;
    }
}

void TextureViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    const Modifiers modifiers = ModifiersOf(event->modifiers());
    switch (event->button()) {
    case Qt::LeftButton:
        // The tracking ends before the release itself is handled.
        tracker_.Stop();
        ReleaseLeftButton(editor_, shell_, modifiers);
        break;
    case Qt::RightButton:
        ReleaseRightButton(editor_, shell_, modifiers);
        break;
    default:
        break;
    }
}

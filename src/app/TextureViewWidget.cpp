#include "app/TextureViewWidget.h"

#include "app/InputAdapter.h"

#include "core/edit/Editor.h"
#include "core/edit/Zoom.h"
#include "core/input/Input.h"
#include "core/tools/AreaToolSupport.h"

#include <QApplication>

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

#include <utility>

TextureViewWidget::TextureViewWidget(Editor& editor, Shell& shell, ScaledTileCache::Source tiles,
                                     QWidget* parent)
    : QWidget(parent), ScopedDocumentListener(editor.document), editor_(editor), shell_(shell),
      painter_(std::move(tiles)),
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

void TextureViewWidget::TilesChanged(const CellRect& cells) {
    const QRect changed = ViewPixelsOf(editor_, cells).adjusted(-1, -1, 1, 1) & rect();
    if (!changed.isEmpty())
        update(changed);
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
    emit inputHandled();
}

void TextureViewWidget::mouseMoveEvent(QMouseEvent* event) {
    // During a stroke the tracker's readings follow the cursor; handing the pointer to the
    // 3D view at the screen edge would leave the stroke painting where the pointer went.
    if (tracker_.IsActive()) {
        emit inputHandled();
        return;
    }
    FollowPointer(event->position().toPoint(), event->globalPosition().toPoint());
    emit inputHandled();
}

void TextureViewWidget::FollowPointer(QPoint client, QPoint screen) {
    PointerPosition pointer;
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
    emit inputHandled();
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

void TextureViewWidget::wheelEvent(QWheelEvent* event) {
    event->accept();
    // A stroke paints where the pointer is; moving the map beneath it would paint elsewhere.
    if (tracker_.IsActive())
        return;
    constexpr int Notch = 120; // eighths of a degree
    wheelRemainder_ += event->angleDelta();
    const int vertical = wheelRemainder_.y() / Notch;
    const int sideways = wheelRemainder_.x() / Notch;
    wheelRemainder_ -= QPoint(sideways, vertical) * Notch;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const QPoint client = event->position().toPoint();
    if (modifiers & Qt::ControlModifier) {
        if (vertical != 0)
            ZoomAtPointer(editor_, shell_, vertical, client.x(), client.y());
    } else {
        // Wheel up moves the view up (or left), as in any scrolled window.
        const int lines = QApplication::wheelScrollLines();
        const bool shift = (modifiers & Qt::ShiftModifier) != 0;
        const int across = shift ? vertical + sideways : sideways;
        const int down = shift ? 0 : vertical;
        if (across != 0)
            ScrollView(editor_, shell_, ScrollAxis::Horizontal, ScrollStep::ToPosition,
                       editor_.view.ViewOriginColumn - across * lines);
        if (down != 0)
            ScrollView(editor_, shell_, ScrollAxis::Vertical, ScrollStep::ToPosition,
                       editor_.view.ViewOriginRow - down * lines);
    }
    // The view moved under a pointer that stayed: the cell under it is another one now.
    FollowPointer(client, event->globalPosition().toPoint());
    emit inputHandled();
}

#include "app/terrain3d/TerrainGlWindow.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QWidget>

TerrainGlWindow::TerrainGlWindow(Handlers handlers, QWidget* eventTarget)
    : handlers_(std::move(handlers)), eventTarget_(eventTarget) {}

bool TerrainGlWindow::CreateContext() {
    create();
    if (handle() == nullptr)
        return false;
    // A resize makes the context and runs initializeGL, as the first exposure would.
    QResizeEvent resize(size(), size());
    QCoreApplication::sendEvent(this, &resize);
    return isValid();
}

bool TerrainGlWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // The view's widget lies exactly under this window: positions need no mapping.
        return QCoreApplication::sendEvent(eventTarget_, event);
    default:
        return QOpenGLWindow::event(event);
    }
}

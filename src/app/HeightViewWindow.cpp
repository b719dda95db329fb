#include "app/HeightViewWindow.h"

#include "app/ImportElevationDialog.h"
#include "app/MainMenu.h"
#include "core/commands/Commands.h"
#include "core/edit/Editor.h"
#include "core/edit/ViewOps.h"
#include "core/render/HeightViewPainter.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

// The client area proper: paints the view and passes the pointer on to the window.
class HeightViewCanvas : public QWidget {
  public:
    HeightViewCanvas(HeightViewWindow& window, const Editor& editor)
        : QWidget(&window), window_(window), editor_(editor) {
        setFixedSize(HeightViewWidth, HeightViewHeight);
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintHeightView(painter, editor_);
    }
    void mousePressEvent(QMouseEvent* event) override {
        window_.PointerAt(event->position().toPoint(), event->buttons());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        window_.PointerAt(event->position().toPoint(), event->buttons());
    }

  private:
    HeightViewWindow& window_;
    const Editor& editor_;
};

HeightViewWindow::HeightViewWindow(Editor& editor, Shell& shell, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      ScopedDocumentListener(editor.document), editor_(editor), shell_(shell),
      askImportOptions_([this] { return ImportElevationDialog::Ask(this); }) {
    setObjectName(QStringLiteral("Height Map View"));
    setWindowTitle(QStringLiteral("Height View"));
    setFocusPolicy(Qt::StrongFocus);

    auto* menuBar = new QMenuBar(this);
    new MainMenu(
        menuBar, [](MenuId menu) { return menu == MenuId::HeightViewOptions; },
        [this](CommandId command) { ExecuteCommand(editor_, shell_, command); });
    options_ = menuBar->actions().front()->menu();
    // Imports need the progress dialog with Cancel that only the app has.
    QAction* import = options_->addAction(QStringLiteral("Import Elevation..."));
    connect(import, &QAction::triggered, this,
            [this] { ImportElevationFromUser(editor_, shell_, this, askImportOptions_); });

    canvas_ = new HeightViewCanvas(*this, editor_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(canvas_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    move(0, 0);
}

int HeightViewWindow::CreateHeightView() {
    editor_.document.FreeHeights();
    return 0;
}

void HeightViewWindow::PointerAt(QPoint position, Qt::MouseButtons buttons) {
    if (editor_.flags.FocusFollowsMouse && !isActiveWindow()) {
        activateWindow();
        setFocus();
    }
    // Qt keeps delivering a drag that leaves the window; only cells of the map re-centre.
    if (!(buttons & Qt::LeftButton) || !canvas_->rect().contains(position))
        return;
    CenterViewOn(editor_, shell_, position.x(), position.y());
}

void HeightViewWindow::HeightsChanged(const CellRect& cells) {
    canvas_->update(cells.left, cells.top, cells.right - cells.left, cells.bottom - cells.top);
}

void HeightViewWindow::RailsChanged() {
    canvas_->update();
}

void HeightViewWindow::ViewChanged(ViewAspect /*aspect*/) {
    canvas_->update();
}

void HeightViewWindow::closeEvent(QCloseEvent* event) {
    // Closing only hides the window; its data and state stay for the next "&Height Map".
    event->ignore();
    hide();
    editor_.flags.ShowHeightView = false;
    shell_.MenuChecksChanged();
}

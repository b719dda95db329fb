#include "app/MainWindow.h"

#include "app/EditorStatusBar.h"
#include "app/InputAdapter.h"
#include "app/MainMenu.h"
#include "app/MapClipboard.h"
#include "app/NewMapFromGeodataDialog.h"
#include "app/QtShell.h"
#include "app/TextureViewWidget.h"
#include "core/commands/Commands.h"
#include "core/edit/Editor.h"
#include "core/edit/UnsavedChanges.h"
#include "core/edit/ViewOps.h"
#include "core/files/MapFiles.h"
#include "core/files/RecentMaps.h"
#include "core/input/Input.h"
#include "core/io/NativePath.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

QScrollBar* MakeScrollBar(Qt::Orientation orientation, int maximum, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    return bar;
}

} // namespace

MainWindow::MainWindow(Editor& editor, QtShell& shell, ScaledTileCache::Source tiles)
    : editor_(editor), shell_(shell), askNewMap_(&NewMapFromGeodataDialog::Ask) {
    setObjectName("MainWindow");
    setWindowTitle("Map Editor");

    auto* client = new QWidget(this);
    auto* layout = new QGridLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    view_ = new TextureViewWidget(editor_, shell_, std::move(tiles), client);
    horizontal_ = MakeScrollBar(Qt::Horizontal, HorizontalScrollMax, client);
    vertical_ = MakeScrollBar(Qt::Vertical, VerticalScrollMax, client);
    layout->addWidget(view_, 0, 0);
    layout->addWidget(vertical_, 0, 1);
    layout->addWidget(horizontal_, 1, 0);
    setCentralWidget(client);

    for (QScrollBar* bar : {horizontal_, vertical_}) {
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) {
            if (const auto step = ScrollStepOf(action))
                ScrollRequest(bar, *step, bar->sliderPosition());
        });
        connect(bar, &QAbstractSlider::sliderReleased, this,
                [this, bar] { ScrollRequest(bar, ScrollStep::ToPosition, bar->sliderPosition()); });
    }

    status_ = new EditorStatusBar(this);
    setStatusBar(status_);
    connect(view_, &TextureViewWidget::inputHandled, this, [this] { status_->Refresh(editor_); });

    menu_ = new MainMenu(
        menuBar(), [](MenuId menu) { return menu != MenuId::HeightViewOptions; },
        [this](CommandId command) { Execute(command); });

    shell_.SetWindow(WindowId::Main, view_);
    shell_.menuChecksChanged = [this] { menu_->MirrorChecks(editor_); };
    shell_.scrollPositionsChanged = [this] { MirrorScrollPositions(); };
    shell_.destroyMainWindow = [this] {
        quitConfirmed_ = true;
        close();
    };

    // Undo and Redo are named after the steps they would take, whatever made the last one;
    // every step may also make the map unsaved or saved again.
    connect(&editor_.history->Stack(), &QUndoStack::indexChanged, this, [this] {
        menu_->MirrorChecks(editor_);
        RefreshTitle();
    });

    QAction* saveMap = menu_->Action(CommandId::SaveMap);
    auto* fileMenu = qobject_cast<QMenu*>(saveMap->parent());
    recent_ = new QMenu("Recent Maps", fileMenu);
    fileMenu->insertMenu(saveMap, recent_);
    connect(recent_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    RefreshTitle();
    menu_->MirrorChecks(editor_);
    status_->Refresh(editor_);
    ClampViewOrigin(editor_, shell_);
    view_->setFocus();
}

MainWindow::~MainWindow() {
    shell_.menuChecksChanged = nullptr;
    shell_.scrollPositionsChanged = nullptr;
    shell_.destroyMainWindow = nullptr;
}

void MainWindow::Execute(CommandId command) {
    // Paste takes what another editor copied, when the clipboard holds map cells.
    if (command == CommandId::Paste) {
        QString error;
        if (auto clip = ClipFromClipboard(&error))
            editor_.area.clip = std::move(*clip);
        else if (!error.isEmpty())
            shell_.ShowMessage(WindowId::Main, error.toStdString(), "Notice",
                               MessageIcon::Exclamation);
    }
    // The one command whose choices need a dialog of its own.
    if (command == CommandId::NewMapFromGeodata) {
        if (const auto request = askNewMap_(this))
            NewMapFromGeodata(editor_, shell_, *request);
        return;
    }
    ExecuteCommand(editor_, shell_, command);
    if (command == CommandId::Copy || command == CommandId::Cut)
        PutClipOnClipboard(editor_.area.clip);
    // Qt flips a checkable item when it is chosen; the editor state has the last word.
    menu_->MirrorChecks(editor_);
    status_->Refresh(editor_);
    RefreshTitle();
}

void MainWindow::RefreshTitle() {
    const std::string name = MapName(editor_);
    setWindowTitle(name.empty() ? QString("Map Editor") : PathToText(name) + "[*] - Map Editor");
    setWindowModified(!UnsavedLayers(editor_).empty());
}

void MainWindow::FillRecentMenu() {
    recent_->clear();
    const std::vector<std::string> paths = RecentMapPaths();
    if (paths.empty())
        recent_->addAction("(none)")->setEnabled(false);
    for (const std::string& path : paths) {
        QString label = PathToText(path);
        label.replace('&', "&&");
        connect(recent_->addAction(label), &QAction::triggered, this, [this, path] {
            OpenRecentMap(editor_, shell_, path);
            menu_->MirrorChecks(editor_);
            RefreshTitle();
        });
    }
}

void MainWindow::PostCommand(CommandId command) {
    QMetaObject::invokeMethod(
        this, [this, command] { Execute(command); }, Qt::QueuedConnection);
}

void MainWindow::ScrollRequest(QScrollBar* bar, ScrollStep step, int position) {
    const ScrollAxis axis = bar == horizontal_ ? ScrollAxis::Horizontal : ScrollAxis::Vertical;
    ScrollView(editor_, shell_, axis, step, position);
    MirrorScrollPositions();
}

void MainWindow::MirrorScrollPositions() {
    // Inside a scroll bar action Qt applies the slider position afterwards, so both the
    // position and the value are set to the clamped origin.
    const std::pair<QScrollBar*, int> bars[] = {{horizontal_, editor_.view.ViewOriginColumn},
                                                {vertical_, editor_.view.ViewOriginRow}};
    for (const auto& [bar, origin] : bars) {
        const QSignalBlocker blocker(bar);
        bar->setSliderPosition(origin);
        bar->setValue(origin);
    }
    // Under a pointer that stays, the map moved.
    status_->Refresh(editor_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program; nothing is saved, and the user is asked only
    // when there are changes that no file holds. The other windows go with it at shutdown.
    if (!quitConfirmed_ && !ConfirmQuit(editor_, shell_, WindowId::Main)) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}

#include "app/EditorSession.h"

#include "app/CommandLineFiles.h"
#include "app/HeightViewWindow.h"
#include "app/MainWindow.h"
#include "app/QtShell.h"
#include "app/TextureViewWidget.h"
#include "app/terrain3d/TerrainViewWindow.h"
#include "core/Messages.h"
#include "core/commands/Commands.h"
#include "core/edit/Editor.h"
#include "core/files/TargetListFile.h"
#include "core/rails/TargetAreas.h"
#include "core/tilemap/TileBitmaps.h"

#include <QLayout>
#include <QScreen>

#include <QWidget>
#include <algorithm>

EditorSession::EditorSession(QtShell& shell)
    : shell_(shell), editor_(std::make_unique<Editor>()),
      tileBitmaps_(std::make_unique<TileBitmaps>()) {}

EditorSession::~EditorSession() {
    ShutDown();
}

int EditorSession::StartUp() {
    LoadTargetAreas(*editor_, shell_);

    main_ = std::make_unique<MainWindow>(
        *editor_, shell_, [this](int rotation, int code) { return TilePicture(rotation, code); });
    // Maximized whatever the desktop does with the request (a bare X server has no window
    // manager to honour it).
    main_->setGeometry(main_->screen()->availableGeometry());
    main_->showMaximized();

    struct Step {
        bool (EditorSession::*create)();
        const char* failure;
    };
    const Step steps[] = {
        {&EditorSession::InitTerrainView, "OpenGL failed to initialize!"},
        {&EditorSession::CreateHeightView, "Height Window failed to initialize!"},
        {&EditorSession::InitTextureView, "Texture Window failed to initialize!"},
        {&EditorSession::CreateToolPalette, "Toolbar Window failed to initialize!"},
    };
    for (const Step& step : steps) {
        if (!(this->*step.create)()) {
            ShowFailureNotice(shell_, WindowId::None, step.failure);
            return -1;
        }
    }
    PlaceSecondaryWindows();
    return 0;
}

void EditorSession::PlaceSecondaryWindows() {
    // Side by side with the palette's left edge, below the menu bar: over the texture view,
    // but never over the menu, the palette or the screen's left edge, where the pointer is
    // handed to the 3D view. The 3D view goes below the height view.
    constexpr int Gap = 8; // room for the window frames the desktop adds
    // The main window's layout is settled only when events are handled; the palette follows it.
    main_->layout()->activate();
    main_->centralWidget()->layout()->activate();
    const QRect screen = main_->screen()->availableGeometry();
    const int top = main_->View().mapToGlobal(QPoint(0, 0)).y() + Gap;
    const int right = palette_ ? palette_->mapToGlobal(QPoint(0, 0)).x() : screen.right();
    int y = top;
    for (QWidget* window : {heightView_.data(), terrainView_.data()}) {
        if (!window)
            continue;
        // A window not yet shown has no size of its own until its layout gives it one.
        if (!window->testAttribute(Qt::WA_Resized))
            window->adjustSize();
        const int x = std::max(screen.left() + Gap, right - Gap - window->width());
        window->move(x, std::min(y, std::max(top, screen.bottom() - window->height())));
        y += window->height() + 4 * Gap;
    }
}

void EditorSession::PostStartCommands() {
    main_->PostCommand(CommandId::Show3DView);
    main_->PostCommand(CommandId::ShowHeightView);
}

void EditorSession::PostOpenFiles(std::vector<std::string> paths) {
    if (paths.empty())
        return;
    QMetaObject::invokeMethod(
        main_.get(),
        [this, paths] {
            OpenCommandLineFiles(*editor_, shell_, paths);
            main_->RefreshTitle();
        },
        Qt::QueuedConnection);
}

void EditorSession::ShutDown() {
    shell_.handPointerTo3D = nullptr;
    shell_.releasePointer = nullptr;
    delete terrainView_.data();
    editor_->document.FreeHeights();
    editor_->document.DiscardTiles();
}

bool EditorSession::InitTerrainView() {
    auto* view = new TerrainViewWindow(*editor_, shell_, main_.get());
    terrainView_ = view;
    if (view->InitTerrainView() != 0)
        return false;
    shell_.handPointerTo3D = [view](int screenY) { view->TakePointer(screenY); };
    shell_.releasePointer = [view] { view->GiveBackPointerIfHeld(); };
    shell_.SetWindow(WindowId::TerrainView, view);
    return true;
}

bool EditorSession::CreateHeightView() {
    auto* view = new HeightViewWindow(*editor_, shell_, main_.get());
    heightView_ = view;
    if (view->CreateHeightView() != 0)
        return false;
    // Repaints go to the part that draws the map; showing and hiding to its window.
    shell_.SetWindow(WindowId::HeightView, view->Canvas());
    return true;
}

bool EditorSession::InitTextureView() {
    editor_->document.DiscardTiles();
    LoadTileBitmaps(*tileBitmaps_, shell_);
    main_->View().Painter().TilePicturesChanged();
    // The first command the event loop runs: 32-pixel tiles, 32 x 32 cells.
    main_->PostCommand(CommandId::Zoom50);
    return true;
}

bool EditorSession::CreateToolPalette() {
    PaletteImages images;
    LoadPaletteImages(images);
    MainWindow* main = main_.get();
    palette_ = new ToolPalette(
        *editor_, &main->View(), images, [main](CommandId command) { main->PostCommand(command); },
        &main->View());
    palette_->show();
    shell_.SetWindow(WindowId::ToolPalette, palette_);
    return palette_ != nullptr;
}

QImage EditorSession::TilePicture(int rotation, int code) const {
    return tileBitmaps_->images[static_cast<size_t>(rotation)][static_cast<size_t>(code)];
}

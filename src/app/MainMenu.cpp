#include "app/MainMenu.h"

#include "core/edit/Commands.h"
#include "core/edit/Editor.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr int ZoomCommands[] = {CommandZoom400, CommandZoom200, CommandZoom150,
                                CommandZoom100, CommandZoom50,  CommandZoom25};

} // namespace

MainMenu::MainMenu(QMenuBar* bar, std::function<void(int)> execute)
    : QObject(bar), bar_(bar), execute_(std::move(execute)) {
    QMenu* file = bar_->addMenu("&File");
    AddItem(file, "&Load Texture File...", CommandLoadTextureFile);
    AddItem(file, "&Save Texture File...", CommandSaveTextureFile);
    file->addSeparator();
    QMenu* preferences = file->addMenu("Preferences");
    AddItem(preferences, "&AutoDraw Rivers", CommandAutoDrawRivers, true);
    AddItem(preferences, "Use &X-Windows Mouse Focus", CommandFocusFollowsMouse, true);
    file->addSeparator();
    AddItem(file, "&Exit", CommandExit);

    QMenu* view = bar_->addMenu("&View");
    QMenu* zoom = view->addMenu("&Zoom");
    zoomGroup_ = new QActionGroup(this);
    zoomGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const char* zoomLabels[] = {"400%", "200%", "150%", "100%", "50%", "25%"};
    for (size_t i = 0; i < std::size(ZoomCommands); ++i)
        zoomGroup_->addAction(AddItem(zoom, zoomLabels[i], ZoomCommands[i], true));
    QMenu* show = view->addMenu("&Show");
    AddItem(show, "&Gridlines", CommandShowGridlines, true);
    AddItem(show, "&Latitude && Longitude", CommandShowLatLong, true);
    AddItem(show, "&Railroads", CommandShowRailroads, true);
    AddItem(show, "&Target Areas", CommandShowTargetAreas, true);
    AddItem(show, "Mouse World Location", CommandMouseWorldLocation, true);
    AddItem(show, "&Height Map", CommandShowHeightView, true);
    AddItem(show, "3D View", CommandShow3DView, true);

    QMenu* utilities = bar_->addMenu("Tile &Utilities");
    AddItem(utilities, "&Randomize Tiles", CommandRandomizeTiles);
    AddItem(utilities, "&Expand Fields", CommandExpandFields);
    AddItem(utilities, "Field Transitions", CommandFieldTransitions);
    AddItem(utilities, "&Mark Tile Errors", CommandMarkTileErrors);

    QMenu* preview = bar_->addMenu("3d &Preview");
    AddItem(preview, "OpenGL Driver Info", CommandDriverInfo);
    preview->addSeparator();
    AddItem(preview, "Show &Textures", CommandShowTextures, true);
    AddItem(preview, "Show 3d Grid", CommandShow3DGrid, true);

    QMenu* rails = bar_->addMenu("&Railroads");
    AddItem(rails, "&Create Rails", CommandCreateRails, true);
    AddItem(rails, "&Move Rails", CommandMoveRails, true);
    rails->addSeparator();
    AddItem(rails, "Save RRD", CommandSaveRrd);
    AddItem(rails, "Load RRD", CommandLoadRrd);
    rails->addSeparator();
    AddItem(rails, "Save Segment", CommandSaveSegment);
    AddItem(rails, "Load Segment", CommandLoadSegment);
    AddItem(rails, "Append Segment", CommandAppendSegment);
}

QAction* MainMenu::AddItem(QMenu* menu, const char* label, int command, bool checkable) {
    QAction* action = menu->addAction(label);
    action->setData(command);
    action->setCheckable(checkable);
    actions_[command] = action;
    // Qt flips a checkable item by itself; the dispatcher decides, and the marks are then
    // copied back from the editor state by MirrorChecks.
    connect(action, &QAction::triggered, this, [this, command] { execute_(command); });
    return action;
}

QAction* MainMenu::Action(int command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void MainMenu::MirrorChecks(const Editor& editor) {
    for (const auto& [command, action] : actions_)
        if (const auto checked = CommandCheckMark(editor, command))
            action->setChecked(*checked);
}

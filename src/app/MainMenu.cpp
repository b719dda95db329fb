#include "app/MainMenu.h"

#include "core/edit/Editor.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

// The toggles whose check mark is simply a display flag.
struct FlagItem {
    int command;
    int32_t DisplayFlags::*flag;
};
constexpr FlagItem FlagItems[] = {
    {40032, &DisplayFlags::AutoDrawRivers},
    {40007, &DisplayFlags::FocusFollowsMouse},
    {40018, &DisplayFlags::ShowGridlines},
    {40021, &DisplayFlags::ShowLatLong},
    {40036, &DisplayFlags::ShowRailroads},
    {40040, &DisplayFlags::ShowTargetAreas},
    {40042, &DisplayFlags::ShowMouseWorldLocation},
    {40006, &DisplayFlags::ShowHeightView},
    {40005, &DisplayFlags::Show3DView},
    {40008, &DisplayFlags::ShowTextures},
    {40029, &DisplayFlags::Show3DGrid},
};

constexpr int ZoomCommands[] = {40039, 40012, 40013, 40014, 40015, 40016};
constexpr int CreateRailsCommand = 40033;
constexpr int MoveRailsCommand = 40041;

} // namespace

MainMenu::MainMenu(QMenuBar* bar, std::function<void(int)> execute)
    : QObject(bar), bar_(bar), execute_(std::move(execute)) {
    QMenu* file = bar_->addMenu("&File");
    AddItem(file, "&Load Texture File...", 40010);
    AddItem(file, "&Save Texture File...", 40019);
    file->addSeparator();
    QMenu* preferences = file->addMenu("Preferences");
    AddItem(preferences, "&AutoDraw Rivers", 40032, true);
    AddItem(preferences, "Use &X-Windows Mouse Focus", 40007, true);
    file->addSeparator();
    AddItem(file, "&Exit", 40001);

    QMenu* view = bar_->addMenu("&View");
    QMenu* zoom = view->addMenu("&Zoom");
    zoomGroup_ = new QActionGroup(this);
    zoomGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const char* zoomLabels[] = {"400%", "200%", "150%", "100%", "50%", "25%"};
    for (size_t i = 0; i < std::size(ZoomCommands); ++i)
        zoomGroup_->addAction(AddItem(zoom, zoomLabels[i], ZoomCommands[i], true));
    QMenu* show = view->addMenu("&Show");
    AddItem(show, "&Gridlines", 40018, true);
    AddItem(show, "&Latitude && Longitude", 40021, true);
    AddItem(show, "&Railroads", 40036, true);
    AddItem(show, "&Target Areas", 40040, true);
    AddItem(show, "Mouse World Location", 40042, true);
    AddItem(show, "&Height Map", 40006, true);
    AddItem(show, "3D View", 40005, true);

    QMenu* utilities = bar_->addMenu("Tile &Utilities");
    AddItem(utilities, "&Randomize Tiles", 40027);
    AddItem(utilities, "&Expand Fields", 40028);
    AddItem(utilities, "Field Transitions", 40030);
    AddItem(utilities, "&Mark Tile Errors", 40043);

    QMenu* preview = bar_->addMenu("3d &Preview");
    AddItem(preview, "OpenGL Driver Info", 40022);
    preview->addSeparator();
    AddItem(preview, "Show &Textures", 40008, true);
    AddItem(preview, "Show 3d Grid", 40029, true);

    QMenu* rails = bar_->addMenu("&Railroads");
    AddItem(rails, "&Create Rails", CreateRailsCommand, true);
    AddItem(rails, "&Move Rails", MoveRailsCommand, true);
    rails->addSeparator();
    AddItem(rails, "Save RRD", 40034);
    AddItem(rails, "Load RRD", 40035);
    rails->addSeparator();
    AddItem(rails, "Save Segment", 40038);
    AddItem(rails, "Load Segment", 40037);
    AddItem(rails, "Append Segment", 40044);
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
    for (const FlagItem& item : FlagItems)
        Action(item.command)->setChecked(editor.flags.*item.flag != 0);
    for (int command : ZoomCommands)
        Action(command)->setChecked(editor.checks.ZoomCommand == command);
    Action(CreateRailsCommand)->setChecked(editor.checks.CreateRails);
    Action(MoveRailsCommand)->setChecked(editor.checks.MoveRails);
}

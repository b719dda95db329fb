#include "core/edit/Commands.h"

#include "core/Messages.h"
#include "core/edit/EditModes.h"
#include "core/edit/UnsavedChanges.h"
#include "core/edit/ViewOps.h"
#include "core/edit/Zoom.h"
#include "core/height/DemConversion.h"
#include "core/height/HeightMap.h"
#include "core/height/HeightMapFile.h"
#include "core/rails/RailSegmentFile.h"
#include "core/rails/RailroadDefinitionFile.h"
#include "core/tilemap/TextureMapFile.h"
#include "core/tilemap/TileUtilities.h"

#include <ctime>
#include <optional>
#include <vector>

namespace {
// A display toggle: the flag it flips (its menu item's check mark follows the new value),
// the window shown and hidden with it, and the repaints that follow, in order.
struct Repaint {
    WindowId window; // WindowId::None: every window
    bool erase;
};

struct ToggleCommand {
    int command;
    int32_t DisplayFlags::*flag;
    std::optional<WindowId> shownWindow;
    std::vector<Repaint> repaints;
    bool drawsFrame;
};

const std::vector<ToggleCommand>& ToggleCommands() {
    using W = WindowId;
    static const std::vector<ToggleCommand> toggles = {
        {CommandShow3DView,
         &DisplayFlags::Show3DView,
         W::TerrainView,
         {{W::HeightView, false}},
         false},
        {CommandShowHeightView, &DisplayFlags::ShowHeightView, W::HeightView, {}, false},
        {CommandFocusFollowsMouse, &DisplayFlags::FocusFollowsMouse, {}, {}, false},
        {CommandShowTextures, &DisplayFlags::ShowTextures, {}, {{W::TerrainView, false}}, true},
        {CommandShowGridlines, &DisplayFlags::ShowGridlines, {}, {{W::Main, false}}, false},
        {CommandShowLatLong,
         &DisplayFlags::ShowLatLong,
         {},
         {{W::Main, false}, {W::HeightView, false}},
         false},
        {CommandShow3DGrid, &DisplayFlags::Show3DGrid, {}, {{W::TerrainView, true}}, true},
        {CommandAutoDrawRivers, &DisplayFlags::AutoDrawRivers, {}, {}, false},
        {CommandShowRailroads, &DisplayFlags::ShowRailroads, {}, {{W::None, false}}, false},
        {CommandShowTargetAreas, &DisplayFlags::ShowTargetAreas, {}, {{W::None, false}}, false},
        {CommandMouseWorldLocation, &DisplayFlags::ShowMouseWorldLocation, {}, {}, false},
    };
    return toggles;
}

const ToggleCommand* FindToggle(int commandId) {
    for (const ToggleCommand& toggle : ToggleCommands())
        if (toggle.command == commandId)
            return &toggle;
    return nullptr;
}

void ExecuteToggle(Editor& editor, Shell& shell, const ToggleCommand& toggle) {
    int32_t& flag = editor.flags.*toggle.flag;
    flag = flag == 0 ? 1 : 0;
    // The height view and the 3D view are shown and hidden, never destroyed.
    if (toggle.shownWindow)
        shell.SetWindowVisible(*toggle.shownWindow, flag == 1);
    shell.MenuChecksChanged();
    for (const Repaint& repaint : toggle.repaints)
        shell.Invalidate(repaint.window, repaint.erase);
    if (toggle.drawsFrame)
        shell.DrawTerrainFrame();
}

void SeedWithTime(Editor& editor) {
    editor.random.Seed(static_cast<uint32_t>(std::time(nullptr)));
}

void MarkErrors(Editor& editor, Shell& shell) {
    if (!MarkTileErrors(editor.tileMap, editor.heightMap))
        ShowFailureNotice(shell, WindowId::Main, "No height data has been loaded.");
    RecentreViews(editor, shell);
    if (editor.heightMap.HasHeightMap())
        RebuildHeightShade(editor.heightMap, editor.heightShade);
    shell.Invalidate(WindowId::HeightView, false);
}

void ExecuteTileUtility(Editor& editor, Shell& shell, int commandId) {
    switch (commandId) {
    case CommandRandomizeTiles:
        SeedWithTime(editor);
        RandomizeTiles(editor.tileMap, editor.random);
        shell.Invalidate(WindowId::Main, true);
        RecentreViews(editor, shell);
        break;
    case CommandExpandFields:
        ExpandFields(editor.tileMap, editor.random);
        RecentreViews(editor, shell);
        shell.Invalidate(WindowId::Main, true);
        break;
    case CommandFieldTransitions:
        SeedWithTime(editor);
        FieldTransitions(editor.tileMap, editor.random);
        shell.Invalidate(WindowId::Main, true);
        RecentreViews(editor, shell);
        break;
    case CommandMarkTileErrors:
        MarkErrors(editor, shell);
        break;
    default:
        break;
    }
}

void ExecuteRailFileCommand(Editor& editor, Shell& shell, int commandId) {
    switch (commandId) {
    case CommandSaveRrd:
        SaveRailroadDefinition(editor, shell);
        break;
    case CommandLoadRrd:
        LoadRailroadDefinition(editor, shell);
        shell.Invalidate(WindowId::None, false);
        break;
    case CommandLoadSegment:
        LoadRailSegment(editor, shell);
        shell.Invalidate(WindowId::None, false);
        break;
    case CommandSaveSegment:
        if (editor.EditMode == CreateRailsMode && editor.rails.PendingRailPointCount != 0)
            SaveRailSegment(editor, shell);
        break;
    case CommandAppendSegment:
        AppendRailSegment(editor, shell);
        shell.Invalidate(WindowId::None, false);
        break;
    default:
        break;
    }
}
} // namespace

std::string DriverInfoText(const DriverStrings& driver) {
    return " \n Vendor: " + driver.Vendor + " \n Renderer: " + driver.Renderer +
           " \n Version: " + driver.Version + " \n Extensions: " + driver.Extensions;
}

void ExecuteCommand(Editor& editor, Shell& shell, int commandId) {
    if (const auto zoom = ZoomStepOf(commandId)) {
        SelectZoom(editor, shell, *zoom);
        return;
    }
    switch (commandId) {
    case CommandExit:
        if (ConfirmQuit(editor, shell, WindowId::Main))
            shell.DestroyMainWindow();
        break;
    case CommandLoadTextureFile:
        LoadTextureMap(editor, shell);
        break;
    case CommandSaveTextureFile:
        SaveTextureMap(editor, shell);
        break;
    // The height view's own menu.
    case CommandOpenHeightMap:
        OpenHeightMap(editor, shell);
        break;
    case CommandSaveHeightMap:
        SaveHeightMap(editor, shell);
        break;
    case CommandConvertDemFile:
        ConvertDemFile(editor, shell);
        break;
    case CommandDriverInfo:
        shell.ShowMessage(WindowId::Main, DriverInfoText(editor.driver),
                          "OpenGL Implementation Information", MessageIcon::Information);
        break;
    case CommandCreateRails:
        SwitchToCreateRails(editor, shell);
        break;
    case CommandMoveRails:
        SwitchToMoveRails(editor, shell);
        break;
    case CommandTilePaintingMode:
        SelectTilePaintingMode(editor, shell);
        break;
    case CommandHeightEditingMode:
        SelectHeightEditingMode(editor, shell, WindowId::None);
        break;
    case CommandRandomizeTiles:
    case CommandExpandFields:
    case CommandFieldTransitions:
    case CommandMarkTileErrors:
        ExecuteTileUtility(editor, shell, commandId);
        break;
    case CommandSaveRrd:
    case CommandLoadRrd:
    case CommandLoadSegment:
    case CommandSaveSegment:
    case CommandAppendSegment:
        ExecuteRailFileCommand(editor, shell, commandId);
        break;
    default:
        if (const ToggleCommand* toggle = FindToggle(commandId))
            ExecuteToggle(editor, shell, *toggle);
        break;
    }
}

std::optional<bool> CommandCheckMark(const Editor& editor, int commandId) {
    if (ZoomStepOf(commandId))
        return editor.checks.ZoomCommand == commandId;
    if (commandId == CommandCreateRails)
        return editor.checks.CreateRails;
    if (commandId == CommandMoveRails)
        return editor.checks.MoveRails;
    if (const ToggleCommand* toggle = FindToggle(commandId))
        return editor.flags.*toggle->flag != 0;
    return std::nullopt;
}

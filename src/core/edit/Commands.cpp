#include "core/edit/Commands.h"

#include "core/Messages.h"
#include "core/edit/EditModes.h"
#include "core/edit/ViewOps.h"
#include "core/edit/Zoom.h"
#include "core/height/HeightMap.h"
#include "core/rails/RailSegmentFile.h"
#include "core/rails/RailroadDefinitionFile.h"
#include "core/tilemap/TextureMapFile.h"
#include "core/tilemap/TileUtilities.h"

#include <ctime>

namespace {
// Flips a 0/1 flag and leaves its menu item's check mark equal to the new value.
void Toggle(int32_t& flag, Shell& shell) {
    flag = flag == 0 ? 1 : 0;
    shell.MenuChecksChanged();
}

// The height view and the 3D view are shown and hidden with their flags, never destroyed.
void ToggleWindow(int32_t& flag, WindowId window, Shell& shell) {
    flag = flag == 0 ? 1 : 0;
    shell.SetWindowVisible(window, flag == 1);
    shell.MenuChecksChanged();
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

void ExecuteToggle(Editor& editor, Shell& shell, int commandId) {
    auto& flags = editor.flags;
    switch (commandId) {
    case CommandShow3DView:
        ToggleWindow(flags.Show3DView, WindowId::TerrainView, shell);
        shell.Invalidate(WindowId::HeightView, false);
        break;
    case CommandShowHeightView:
        ToggleWindow(flags.ShowHeightView, WindowId::HeightView, shell);
        break;
    case CommandFocusFollowsMouse:
        Toggle(flags.FocusFollowsMouse, shell);
        break;
    case CommandShowTextures:
        Toggle(flags.ShowTextures, shell);
        shell.Invalidate(WindowId::TerrainView, false);
        shell.DrawTerrainFrame();
        break;
    case CommandShowGridlines:
        Toggle(flags.ShowGridlines, shell);
        shell.Invalidate(WindowId::Main, false);
        break;
    case CommandShowLatLong:
        Toggle(flags.ShowLatLong, shell);
        shell.Invalidate(WindowId::Main, false);
        shell.Invalidate(WindowId::HeightView, false);
        break;
    case CommandShow3DGrid:
        Toggle(flags.Show3DGrid, shell);
        shell.Invalidate(WindowId::TerrainView, true);
        shell.DrawTerrainFrame();
        break;
    case CommandAutoDrawRivers:
        Toggle(flags.AutoDrawRivers, shell);
        break;
    case CommandShowRailroads:
        Toggle(flags.ShowRailroads, shell);
        shell.Invalidate(WindowId::None, false);
        break;
    case CommandShowTargetAreas:
        Toggle(flags.ShowTargetAreas, shell);
        shell.Invalidate(WindowId::None, false);
        break;
    case CommandMouseWorldLocation:
        Toggle(flags.ShowMouseWorldLocation, shell);
        break;
    default:
        break;
    }
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
        shell.DestroyMainWindow();
        break;
    case CommandLoadTextureFile:
        LoadTextureMap(editor, shell);
        break;
    case CommandSaveTextureFile:
        SaveTextureMap(editor, shell);
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
        ExecuteToggle(editor, shell, commandId);
        break;
    }
}

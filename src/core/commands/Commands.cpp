#include "core/commands/Commands.h"

#include "core/Messages.h"
#include "core/edit/CommandRegistry.h"
#include "core/edit/EditModes.h"
#include "core/edit/UnsavedChanges.h"
#include "core/edit/ViewOps.h"
#include "core/edit/Zoom.h"
#include "core/files/DemConversion.h"
#include "core/files/HeightMapFile.h"
#include "core/files/MapFiles.h"
#include "core/files/RailSegmentFile.h"
#include "core/files/RailroadDefinitionFile.h"
#include "core/files/RecentMaps.h"
#include "core/files/TextureMapFile.h"
#include "core/height/HeightMap.h"
#include "core/input/Input.h"
#include "core/tilemap/TileUtilities.h"
#include "core/tools/AreaCommands.h"

#include <ctime>
#include <optional>
#include <vector>

namespace {
// A display toggle: the flag it flips (its menu item's check mark follows the new value),
// the window shown and hidden with it, and whether the views show it.
struct ToggleCommand {
    CommandId command;
    bool DisplayFlags::*flag;
    std::optional<WindowId> shownWindow;
    bool changesDisplay;
};

const std::vector<ToggleCommand>& ToggleCommands() {
    using W = WindowId;
    static const std::vector<ToggleCommand> toggles = {
        {CommandId::Show3DView, &DisplayFlags::Show3DView, W::TerrainView, true},
        {CommandId::ShowHeightView, &DisplayFlags::ShowHeightView, W::HeightView, false},
        {CommandId::FocusFollowsMouse, &DisplayFlags::FocusFollowsMouse, {}, false},
        {CommandId::ShowTextures, &DisplayFlags::ShowTextures, {}, true},
        {CommandId::ShowGridlines, &DisplayFlags::ShowGridlines, {}, true},
        {CommandId::ShowLatLong, &DisplayFlags::ShowLatLong, {}, true},
        {CommandId::Show3DGrid, &DisplayFlags::Show3DGrid, {}, true},
        {CommandId::AutoDrawRivers, &DisplayFlags::AutoDrawRivers, {}, false},
        {CommandId::ShowRailroads, &DisplayFlags::ShowRailroads, {}, true},
        {CommandId::ShowTargetAreas, &DisplayFlags::ShowTargetAreas, {}, true},
        {CommandId::MouseWorldLocation, &DisplayFlags::ShowMouseWorldLocation, {}, false},
    };
    return toggles;
}

const ToggleCommand* FindToggle(CommandId command) {
    for (const ToggleCommand& toggle : ToggleCommands())
        if (toggle.command == command)
            return &toggle;
    return nullptr;
}

void ExecuteToggle(Editor& editor, Shell& shell, const ToggleCommand& toggle) {
    bool& flag = editor.flags.*toggle.flag;
    flag = !flag;
    // The height view and the 3D view are shown and hidden, never destroyed.
    if (toggle.shownWindow)
        shell.SetWindowVisible(*toggle.shownWindow, flag);
    shell.MenuChecksChanged();
    if (toggle.changesDisplay)
        editor.document.AnnounceViewChanged(ViewAspect::Display);
}

void SeedWithTime(Editor& editor) {
    editor.random.Seed(static_cast<uint32_t>(std::time(nullptr)));
}

// Runs a whole-map tile utility through the document.
void EditWholeTileMap(Editor& editor, void (*utility)(TileMap&, ClassicRandom&)) {
    editor.document.EditTiles([&](TileMap& tiles) {
        utility(tiles, editor.random);
        return WholeMap;
    });
}

void MarkErrors(Editor& editor, Shell& shell) {
    bool marked = false;
    editor.document.EditHeights([&](HeightMap& heights) {
        marked = MarkTileErrors(editor.document.Tiles(), heights);
        return marked ? WholeMap : CellRect{};
    });
    if (!marked)
        ShowFailureNotice(shell, WindowId::Main, "No height data has been loaded.");
    RecentreViews(editor, shell);
    if (editor.document.Heights().HasHeightMap())
        RebuildHeightShade(editor.document.Heights(), editor.heightShade);
}

void ExecuteTileUtility(Editor& editor, Shell& shell, CommandId command) {
    switch (command) {
    case CommandId::RandomizeTiles:
        SeedWithTime(editor);
        EditWholeTileMap(editor, RandomizeTiles);
        RecentreViews(editor, shell);
        break;
    case CommandId::ExpandFields:
        EditWholeTileMap(editor, ExpandFields);
        RecentreViews(editor, shell);
        break;
    case CommandId::FieldTransitions:
        SeedWithTime(editor);
        EditWholeTileMap(editor, FieldTransitions);
        RecentreViews(editor, shell);
        break;
    case CommandId::MarkTileErrors:
        MarkErrors(editor, shell);
        break;
    default:
        break;
    }
}

void ExecuteRailFileCommand(Editor& editor, Shell& shell, CommandId command) {
    switch (command) {
    case CommandId::SaveRrd:
        SaveRailroadDefinition(editor, shell);
        break;
    case CommandId::LoadRrd:
        LoadRailroadDefinition(editor, shell);
        break;
    case CommandId::LoadSegment:
        LoadRailSegment(editor, shell);
        break;
    case CommandId::SaveSegment:
        if (editor.EditMode == ToolMode::CreateRails &&
            editor.document.Rails().PendingRailPointCount != 0)
            SaveRailSegment(editor, shell);
        break;
    case CommandId::AppendSegment:
        AppendRailSegment(editor, shell);
        break;
    default:
        break;
    }
}
} // namespace

std::string DriverInfoSummary(const DriverStrings& driver) {
    return " \n Vendor: " + driver.Vendor + " \n Renderer: " + driver.Renderer +
           " \n Version: " + driver.Version + " \n Extensions: ";
}

namespace {
void CarryOut(Editor& editor, Shell& shell, CommandId command) {
    if (const auto zoom = ZoomStepOf(command)) {
        SelectZoom(editor, shell, *zoom);
        return;
    }
    switch (command) {
    case CommandId::Exit:
        if (ConfirmQuit(editor, shell, WindowId::Main))
            shell.DestroyMainWindow();
        break;
    case CommandId::NewMap:
        NewMap(editor, shell);
        break;
    case CommandId::OpenMap:
        if (const auto opened = OpenMap(editor, shell))
            RememberRecentMap(*opened);
        break;
    case CommandId::SaveMap:
        SaveMap(editor, shell);
        break;
    case CommandId::SaveMapAs:
        if (const auto saved = SaveMapAs(editor, shell))
            RememberRecentMap(*saved);
        break;
    case CommandId::LoadTextureFile:
        LoadTextureMap(editor, shell);
        break;
    case CommandId::SaveTextureFile:
        SaveTextureMap(editor, shell);
        break;
    // The height view's own menu.
    case CommandId::OpenHeightMap:
        OpenHeightMap(editor, shell);
        break;
    case CommandId::SaveHeightMap:
        SaveHeightMap(editor, shell);
        break;
    case CommandId::ConvertDemFile:
        ConvertDemFile(editor, shell);
        break;
    case CommandId::DriverInfo:
        shell.ShowMessageWithList(WindowId::Main, DriverInfoSummary(editor.driver),
                                  editor.driver.Extensions, "OpenGL Implementation Information",
                                  MessageIcon::Information);
        break;
    case CommandId::CreateRails:
        SwitchToCreateRails(editor, shell);
        break;
    case CommandId::MoveRails:
        SwitchToMoveRails(editor, shell);
        break;
    case CommandId::TilePaintingMode:
        SelectTilePaintingMode(editor);
        break;
    case CommandId::HeightEditingMode:
        SelectHeightEditingMode(editor);
        break;
    case CommandId::RandomizeTiles:
    case CommandId::ExpandFields:
    case CommandId::FieldTransitions:
    case CommandId::MarkTileErrors:
        ExecuteTileUtility(editor, shell, command);
        break;
    case CommandId::SaveRrd:
    case CommandId::LoadRrd:
    case CommandId::LoadSegment:
    case CommandId::SaveSegment:
    case CommandId::AppendSegment:
        ExecuteRailFileCommand(editor, shell, command);
        break;
    default:
        if (ExecuteAreaCommand(editor, shell, command))
            break;
        if (const ToggleCommand* toggle = FindToggle(command))
            ExecuteToggle(editor, shell, *toggle);
        else if (const auto& keys = CommandEntryOf(command).keys; !keys.empty())
            PressKey(editor, shell, keys.front());
        break;
    }
}

// The undo step a command makes of its changes: its menu label without the mnemonic and the
// dots.
std::string StepNameOf(CommandId command) {
    if (command == CommandId::OpenHeightMap)
        return "Open Height Map";
    return PlainLabel(CommandEntryOf(command).label);
}

// After an undo or a redo: the height view's shade, the 3D block and every view follow.
void ShowHistoryMove(Editor& editor, Shell& shell) {
    if (editor.document.Heights().HasHeightMap())
        RebuildHeightShade(editor.document.Heights(), editor.heightShade);
    RecentreViews(editor, shell);
}
} // namespace

void ExecuteCommand(Editor& editor, Shell& shell, CommandId command) {
    EditHistory& history = *editor.history;
    if (command == CommandId::Undo || command == CommandId::Redo) {
        // Not in the middle of a stroke: its step is not complete yet.
        if (history.IsOpen())
            return;
        if (command == CommandId::Undo ? history.Undo(editor.document)
                                       : history.Redo(editor.document))
            ShowHistoryMove(editor, shell);
        return;
    }
    // Whatever a command changes in the layers is one step, named after it.
    history.Record(editor.document, StepNameOf(command), [&] { CarryOut(editor, shell, command); });
}

void OpenRecentMap(Editor& editor, Shell& shell, const std::string& path) {
    if (const auto opened = OpenMap(editor, shell, path))
        RememberRecentMap(*opened);
}

std::optional<bool> CommandCheckMark(const Editor& editor, CommandId command) {
    if (ZoomStepOf(command))
        return editor.checks.Zoom == command;
    if (command == CommandId::CreateRails)
        return editor.checks.CreateRails;
    if (command == CommandId::MoveRails)
        return editor.checks.MoveRails;
    if (const ToggleCommand* toggle = FindToggle(command))
        return editor.flags.*toggle->flag;
    return AreaCommandCheckMark(editor, command);
}

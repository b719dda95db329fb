#include "core/edit/Commands.h"

#include "core/edit/LoadedEditor.h"
#include "support/RecordingShell.h"

#include <gtest/gtest.h>

using Calls = std::vector<std::string>;

TEST(Commands, FlagsStartAtTheirBuiltInValues) {
    const Editor editor;
    const auto& f = editor.flags;
    EXPECT_EQ(f.AutoDrawRivers, 1);
    EXPECT_EQ(f.ShowRailroads, 1);
    EXPECT_EQ(f.ShowTargetAreas, 1);
    EXPECT_EQ(f.ShowTextures, 1);
    EXPECT_EQ(f.FocusFollowsMouse + f.ShowGridlines + f.ShowLatLong + f.ShowMouseWorldLocation +
                  f.ShowHeightView + f.Show3DView + f.Show3DGrid,
              0);
    EXPECT_EQ(Modes(editor), (ModeValues{0, 0, 0}));
}

struct ToggleCase {
    int command;
    int32_t DisplayFlags::*flag;
    Calls calls; // for a toggle from the start value
};

TEST(Commands, TogglesFlipTheirFlagAndRepaintInOrder) {
    const ToggleCase cases[] = {
        {CommandShow3DView,
         &DisplayFlags::Show3DView,
         {"show TerrainView", "checks", "invalidate HeightView"}},
        {CommandShowHeightView, &DisplayFlags::ShowHeightView, {"show HeightView", "checks"}},
        {CommandFocusFollowsMouse, &DisplayFlags::FocusFollowsMouse, {"checks"}},
        {CommandShowTextures,
         &DisplayFlags::ShowTextures,
         {"checks", "invalidate TerrainView", "frame"}},
        {CommandShowGridlines, &DisplayFlags::ShowGridlines, {"checks", "invalidate Main"}},
        {CommandShowLatLong,
         &DisplayFlags::ShowLatLong,
         {"checks", "invalidate Main", "invalidate HeightView"}},
        {CommandShow3DGrid,
         &DisplayFlags::Show3DGrid,
         {"checks", "invalidate TerrainView erase", "frame"}},
        {CommandAutoDrawRivers, &DisplayFlags::AutoDrawRivers, {"checks"}},
        {CommandShowRailroads, &DisplayFlags::ShowRailroads, {"checks", "invalidate All"}},
        {CommandShowTargetAreas, &DisplayFlags::ShowTargetAreas, {"checks", "invalidate All"}},
        {CommandMouseWorldLocation, &DisplayFlags::ShowMouseWorldLocation, {"checks"}},
    };
    for (const ToggleCase& c : cases) {
        SCOPED_TRACE(c.command);
        Editor editor;
        RecordingShell shell;
        const int32_t start = editor.flags.*c.flag;
        ExecuteCommand(editor, shell, c.command);
        EXPECT_EQ(editor.flags.*c.flag, 1 - start);
        EXPECT_EQ(shell.calls, c.calls);
        ExecuteCommand(editor, shell, c.command);
        EXPECT_EQ(editor.flags.*c.flag, start);
    }
}

TEST(Commands, SecondaryWindowsHideWhenToggledOff) {
    Editor editor;
    RecordingShell shell;
    ExecuteCommand(editor, shell, CommandShowHeightView);
    ExecuteCommand(editor, shell, CommandShowHeightView);
    EXPECT_EQ(shell.calls, (Calls{"show HeightView", "checks", "hide HeightView", "checks"}));
    // Closing the window from its frame clears the flag; the command then shows it again.
    editor.flags.Show3DView = 0;
    shell.Clear();
    ExecuteCommand(editor, shell, CommandShow3DView);
    EXPECT_EQ(editor.flags.Show3DView, 1);
    EXPECT_EQ(shell.calls.front(), "show TerrainView");
}

TEST(Commands, ZoomSetsScaleCheckMarkAndFlatGrid) {
    auto editor = MakeEditor();
    RecordingShell shell;
    editor->view.ViewOriginColumn = 100;
    editor->view.ViewOriginRow = 50;
    editor->mesh.quads[0].vertices[1].position[1] = 99.0f;
    ExecuteCommand(*editor, shell, CommandZoom150);
    EXPECT_EQ(editor->view.TilePixelWidth, 96);
    EXPECT_EQ(editor->view.TilePixelHeight, 96);
    EXPECT_EQ(editor->view.ViewColumns, 10);
    EXPECT_EQ(editor->view.ViewRows, 10);
    EXPECT_EQ(editor->checks.ZoomCommand, CommandZoom150);
    EXPECT_EQ(editor->view.ViewOriginColumn, 100); // the top-left cell stays
    EXPECT_EQ(editor->view.ViewOriginRow, 50);
    EXPECT_EQ(shell.calls, (Calls{"checks", "invalidate All erase"}));
    // The grid is laid out flat for 10 x 10 cells: 9 x 9 quads centred on -320.
    EXPECT_EQ(editor->mesh.quads[0].vertices[1].position[1], 0.0f);
    EXPECT_EQ(editor->mesh.quads[0].vertices[0].position[0], -320.0f);
    EXPECT_EQ(editor->mesh.quads[80].vertices[2].position[2], 256.0f);

    const int zooms[][3] = {{CommandZoom400, 256, 4},
                            {CommandZoom200, 128, 8},
                            {CommandZoom100, 64, 16},
                            {CommandZoom50, 32, 32},
                            {CommandZoom25, 16, 64}};
    for (const auto& z : zooms) {
        ExecuteCommand(*editor, shell, z[0]);
        EXPECT_EQ(editor->view.TilePixelWidth, z[1]);
        EXPECT_EQ(editor->view.ViewRows, z[2]);
        EXPECT_EQ(editor->checks.ZoomCommand, z[0]);
    }
}

TEST(Commands, RailModeSwitchSequences) {
    Editor editor;
    RecordingShell shell;
    ExecuteCommand(editor, shell, CommandMoveRails);
    EXPECT_EQ(editor.EditMode, 3);
    EXPECT_TRUE(editor.checks.MoveRails);
    EXPECT_FALSE(editor.checks.CreateRails);
    EXPECT_EQ(shell.calls, (Calls{"checks", "invalidate Main"}));
    ExecuteCommand(editor, shell, CommandMoveRails);
    EXPECT_EQ(editor.EditMode, 2);
    EXPECT_TRUE(editor.checks.CreateRails);
    EXPECT_FALSE(editor.checks.MoveRails);

    ExecuteCommand(editor, shell, CommandCreateRails);
    EXPECT_EQ(editor.EditMode, 0);
    EXPECT_FALSE(editor.checks.CreateRails || editor.checks.MoveRails);
    ExecuteCommand(editor, shell, CommandCreateRails);
    EXPECT_EQ(editor.EditMode, 2);
    EXPECT_TRUE(editor.checks.CreateRails);
    ExecuteCommand(editor, shell, CommandCreateRails);
    EXPECT_EQ(editor.EditMode, 0);
    EXPECT_FALSE(editor.checks.CreateRails || editor.checks.MoveRails);
}

TEST(Commands, RailSwitchLeavesVertexModeOffAndPaletteAlone) {
    Editor editor;
    RecordingShell shell;
    ExecuteCommand(editor, shell, CommandHeightEditingMode);
    ExecuteCommand(editor, shell, CommandCreateRails);
    EXPECT_EQ(Modes(editor), (ModeValues{2, 0, 1}));
    // The palette's tile button leaves the rails check marks as they are.
    ExecuteCommand(editor, shell, CommandTilePaintingMode);
    EXPECT_TRUE(editor.checks.CreateRails);
}

TEST(Commands, PaletteModeButtons) {
    Editor editor;
    RecordingShell shell;
    ExecuteCommand(editor, shell, CommandHeightEditingMode);
    EXPECT_EQ(Modes(editor), (ModeValues{1, 1, 1}));
    EXPECT_EQ(shell.calls, (Calls{"invalidate Main", "invalidate All"}));
    shell.Clear();
    ExecuteCommand(editor, shell, CommandTilePaintingMode);
    EXPECT_EQ(Modes(editor), (ModeValues{0, 0, 0}));
    EXPECT_EQ(shell.calls, (Calls{"invalidate Main", "invalidate ToolPalette"}));
}

TEST(Commands, SaveSegmentOnlyWithPendingPointsWhileCreatingRails) {
    Editor editor;
    RecordingShell shell;
    editor.rails.PendingRailPointCount = 1;
    for (int mode : {0, 1, 3}) {
        editor.EditMode = mode;
        ExecuteCommand(editor, shell, CommandSaveSegment);
    }
    editor.EditMode = 2;
    editor.rails.PendingRailPointCount = 0;
    ExecuteCommand(editor, shell, CommandSaveSegment);
    EXPECT_TRUE(shell.calls.empty());

    editor.rails.PendingRailPointCount = 1;
    shell.AnswerNextDialog(std::nullopt);
    ExecuteCommand(editor, shell, CommandSaveSegment);
    ASSERT_EQ(shell.dialogs.size(), 1u);
    EXPECT_EQ(shell.dialogs[0].mode, FileDialogMode::Save);
}

TEST(Commands, FileCommandsAskForAFileAndRailLoadsRepaintEverything) {
    auto loaded = MakeEditor();
    Editor& editor = *loaded;
    FillTiles(editor, 1); // saving needs a tile map before it asks for a file
    RecordingShell shell;
    for (int i = 0; i < 5; ++i)
        shell.AnswerNextDialog(std::nullopt);
    ExecuteCommand(editor, shell, CommandLoadTextureFile);
    ExecuteCommand(editor, shell, CommandSaveTextureFile);
    EXPECT_EQ(shell.dialogs.size(), 2u);
    shell.Clear();
    ExecuteCommand(editor, shell, CommandLoadRrd);
    EXPECT_EQ(shell.calls.back(), "invalidate All");
    ExecuteCommand(editor, shell, CommandLoadSegment);
    EXPECT_EQ(shell.calls.back(), "invalidate All");
    ExecuteCommand(editor, shell, CommandAppendSegment);
    EXPECT_EQ(shell.calls.back(), "invalidate All");
    EXPECT_EQ(shell.dialogs.size(), 3u);
}

TEST(Commands, DriverInfoShowsTheWholeText) {
    Editor editor;
    RecordingShell shell;
    editor.driver = {"Mesa", "llvmpipe", "2.1 Mesa", std::string(600, 'x')};
    ExecuteCommand(editor, shell, CommandDriverInfo);
    ASSERT_EQ(shell.messages.size(), 1u);
    const auto& m = shell.messages[0];
    EXPECT_EQ(m.text,
              " \n Vendor: Mesa \n Renderer: llvmpipe \n Version: 2.1 Mesa \n Extensions: " +
                  std::string(600, 'x'));
    EXPECT_EQ(m.caption, "OpenGL Implementation Information");
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.owner, WindowId::Main);
}

TEST(Commands, ExitAndIgnoredNumbers) {
    Editor editor;
    RecordingShell shell;
    for (int ignored : {2002, 2063, 40003, 40004, 40020, 40099, 0, -1})
        ExecuteCommand(editor, shell, ignored);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(editor.EditMode, 0);
    ExecuteCommand(editor, shell, CommandExit);
    EXPECT_EQ(shell.calls, (Calls{"destroy"}));
}

TEST(Commands, TileUtilitiesRepaintAndRecentre) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillTiles(*editor, 1);
    FillHeights(*editor, 100);
    ExecuteCommand(*editor, shell, CommandRandomizeTiles);
    EXPECT_EQ(shell.calls, (Calls{"invalidate Main erase", "frame", "scroll"}));
    shell.Clear();
    ExecuteCommand(*editor, shell, CommandExpandFields);
    EXPECT_EQ(shell.calls, (Calls{"frame", "scroll", "invalidate Main erase"}));
    shell.Clear();
    ExecuteCommand(*editor, shell, CommandFieldTransitions);
    EXPECT_EQ(shell.calls, (Calls{"invalidate Main erase", "frame", "scroll"}));
}

TEST(Commands, MarkTileErrorsRebuildsShadeOrSaysThereIsNoHeightData) {
    auto editor = MakeEditor();
    RecordingShell shell;
    FillTiles(*editor, 0); // "Field8.bmp" cells are marked
    FillHeights(*editor, 0);
    ExecuteCommand(*editor, shell, CommandMarkTileErrors);
    EXPECT_EQ(shell.calls, (Calls{"frame", "scroll", "invalidate HeightView"}));
    EXPECT_EQ(editor->heightMap.At(CellIndex(5, 5)), 65535);
    EXPECT_EQ(editor->heightShade[CellIndex(5, 5)], ShadeOfHeight(65535));

    editor->heightMap.FreeHeightMap();
    shell.Clear();
    ExecuteCommand(*editor, shell, CommandMarkTileErrors);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, "No height data has been loaded.");
    EXPECT_EQ(shell.messages[0].caption, "Notice");
    EXPECT_EQ(shell.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(shell.calls, (Calls{"message Notice", "scroll", "invalidate HeightView"}));

    // Without any map there is nothing to mark and nothing to say.
    editor->tileMap.DiscardTileMap();
    shell.Clear();
    ExecuteCommand(*editor, shell, CommandMarkTileErrors);
    EXPECT_TRUE(shell.messages.empty());
}

#include "core/edit/Commands.h"

#include "core/edit/LoadedEditor.h"

using Commands = EditorTest;

TEST_F(Commands, TogglesFlipTheirFlagAndRepaintInOrder) {
    struct {
        int command;
        int32_t DisplayFlags::*flag;
        int32_t start;
        const char* calls;
    } const cases[] = {
        {CommandShow3DView, &DisplayFlags::Show3DView, 0,
         "show TerrainView, checks, invalidate HeightView"},
        {CommandShowHeightView, &DisplayFlags::ShowHeightView, 0, "show HeightView, checks"},
        {CommandFocusFollowsMouse, &DisplayFlags::FocusFollowsMouse, 0, "checks"},
        {CommandShowTextures, &DisplayFlags::ShowTextures, 1,
         "checks, invalidate TerrainView, frame"},
        {CommandShowGridlines, &DisplayFlags::ShowGridlines, 0, "checks, invalidate Main"},
        {CommandShowLatLong, &DisplayFlags::ShowLatLong, 0,
         "checks, invalidate Main, invalidate HeightView"},
        {CommandShow3DGrid, &DisplayFlags::Show3DGrid, 0,
         "checks, invalidate TerrainView erase, frame"},
        {CommandAutoDrawRivers, &DisplayFlags::AutoDrawRivers, 1, "checks"},
        {CommandShowRailroads, &DisplayFlags::ShowRailroads, 1, "checks, invalidate All"},
        {CommandShowTargetAreas, &DisplayFlags::ShowTargetAreas, 1, "checks, invalidate All"},
        {CommandMouseWorldLocation, &DisplayFlags::ShowMouseWorldLocation, 0, "checks"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        shell.Clear();
        EXPECT_EQ(editor.flags.*c.flag, c.start);
        ExecuteCommand(editor, shell, c.command);
        EXPECT_EQ(editor.flags.*c.flag, 1 - c.start);
        EXPECT_EQ(CommandCheckMark(editor, c.command), 1 - c.start == 1);
        EXPECT_EQ(Joined(shell.calls), c.calls);
        ExecuteCommand(editor, shell, c.command);
        EXPECT_EQ(editor.flags.*c.flag, c.start);
    }
    // A window toggled off is hidden, not destroyed.
    editor.flags.ShowHeightView = 1;
    shell.Clear();
    ExecuteCommand(editor, shell, CommandShowHeightView);
    EXPECT_EQ(Joined(shell.calls), "hide HeightView, checks");
}

TEST_F(Commands, ZoomSetsScaleCheckMarkAndFlatGrid) {
    auto& view = editor.view;
    view.ViewOriginColumn = 100;
    editor.mesh.quads[0].vertices[1].position[1] = 99.0f;
    ExecuteCommand(editor, shell, CommandZoom150);
    EXPECT_EQ(view.TilePixelWidth * 1000 + view.TilePixelHeight, 96096);
    EXPECT_EQ(view.ViewColumns * 100 + view.ViewRows, 1010);
    EXPECT_EQ(editor.checks.ZoomCommand, CommandZoom150);
    EXPECT_EQ(view.ViewOriginColumn, 100); // the top-left cell stays
    EXPECT_EQ(Joined(shell.calls), "checks, invalidate All erase");
    // The grid is laid out flat for 10 x 10 cells, from -320.
    EXPECT_EQ(editor.mesh.quads[0].vertices[1].position[1], 0.0f);
    EXPECT_EQ(editor.mesh.quads[0].vertices[0].position[0], -320.0f);
    ExecuteCommand(editor, shell, CommandZoom25); // the smallest scale shows 64 rows
    EXPECT_EQ(view.TilePixelWidth * 100 + view.ViewRows, 1664);
    // Only the chosen zoom item carries the mark; plain commands carry none.
    EXPECT_EQ(CommandCheckMark(editor, CommandZoom25), true);
    EXPECT_EQ(CommandCheckMark(editor, CommandZoom150), false);
    EXPECT_EQ(CommandCheckMark(editor, CommandLoadTextureFile), std::nullopt);
}

TEST_F(Commands, RailModeSwitchSequences) {
    const auto state = [&] {
        return std::to_string(editor.EditMode) +
               (*CommandCheckMark(editor, CommandCreateRails) ? " create" : "") +
               (*CommandCheckMark(editor, CommandMoveRails) ? " move" : "");
    };
    const std::pair<int, const char*> steps[] = {{CommandMoveRails, "3 move"},
                                                 {CommandMoveRails, "2 create"},
                                                 {CommandCreateRails, "0"},
                                                 {CommandCreateRails, "2 create"},
                                                 {CommandCreateRails, "0"}};
    for (const auto& [command, after] : steps) {
        shell.Clear();
        ExecuteCommand(editor, shell, command);
        EXPECT_EQ(state(), after);
        EXPECT_EQ(Joined(shell.calls), "checks, invalidate Main");
    }
    // The palette's buttons: from height editing, creating rails turns VertexMode off and
    // the palette keeps its mode button; the rails check marks stay as they are.
    shell.Clear();
    ExecuteCommand(editor, shell, CommandHeightEditingMode);
    EXPECT_EQ(Modes(editor), (ModeValues{1, 1, 1}));
    EXPECT_EQ(Joined(shell.calls), "invalidate Main, invalidate All");
    ExecuteCommand(editor, shell, CommandCreateRails);
    EXPECT_EQ(Modes(editor), (ModeValues{2, 0, 1}));
    shell.Clear();
    ExecuteCommand(editor, shell, CommandTilePaintingMode);
    EXPECT_EQ(state(), "0 create");
    EXPECT_EQ(Modes(editor), (ModeValues{0, 0, 0}));
    EXPECT_EQ(Joined(shell.calls), "invalidate Main, invalidate ToolPalette");
}

TEST_F(Commands, RailFileCommands) {
    // Saving a segment asks for a file only while creating rails with points pending.
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
    EXPECT_EQ(Joined(shell.calls), "dialog");
    // Loads repaint every window, even when cancelled.
    for (int command : {CommandLoadRrd, CommandLoadSegment, CommandAppendSegment}) {
        shell.Clear();
        shell.AnswerNextDialog(std::nullopt);
        ExecuteCommand(editor, shell, command);
        EXPECT_EQ(Joined(shell.calls), "dialog, invalidate All");
    }
}

TEST_F(Commands, DriverInfoExitAndIgnoredNumbers) {
    editor.driver = {"Mesa", "llvmpipe", "2.1", std::string(600, 'x')};
    ExecuteCommand(editor, shell, CommandDriverInfo);
    ASSERT_EQ(shell.messages.size(), 1u);
    const auto& m = shell.messages[0];
    // Shown whole, however long the extension list.
    EXPECT_EQ(m.text, " \n Vendor: Mesa \n Renderer: llvmpipe \n Version: 2.1 \n Extensions: " +
                          std::string(600, 'x'));
    EXPECT_EQ(m.caption, "OpenGL Implementation Information");
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.owner, WindowId::Main);
    shell.Clear();
    for (int ignored : {2002, 2063, 40099, -1})
        ExecuteCommand(editor, shell, ignored);
    EXPECT_TRUE(shell.calls.empty());
    // The height view's menu commands go through here too; each asks for its file.
    shell.AnswerNextDialog(std::nullopt); // both dialogs cancelled
    shell.AnswerNextDialog(std::nullopt);
    for (int heightViewCommand :
         {CommandOpenHeightMap, CommandSaveHeightMap, CommandConvertDemFile})
        ExecuteCommand(editor, shell, heightViewCommand);
    EXPECT_EQ(shell.dialogs.size(), 2u) << "saving without a height map asks for no file";
    EXPECT_EQ(shell.messages.size(), 1u);
    shell.Clear();
    ExecuteCommand(editor, shell, CommandExit);
    EXPECT_EQ(Joined(shell.calls), "destroy");
}

TEST_F(Commands, TileUtilitiesRepaintAndRecentre) {
    FillTiles(editor, 0); // "Field8.bmp" cells are marked as errors
    FillHeights(editor, 0);
    const std::pair<int, const char*> steps[] = {
        {CommandRandomizeTiles, "invalidate Main erase, frame, scroll"},
        {CommandExpandFields, "frame, scroll, invalidate Main erase"},
        {CommandMarkTileErrors, "frame, scroll, invalidate HeightView"}};
    for (const auto& [command, calls] : steps) {
        shell.Clear();
        ExecuteCommand(editor, shell, command);
        EXPECT_EQ(Joined(shell.calls), calls);
    }
    EXPECT_EQ(editor.heightShade[CellIndex(5, 5)], ShadeOfHeight(65535));
    editor.heightMap.FreeHeightMap();
    shell.Clear();
    ExecuteCommand(editor, shell, CommandMarkTileErrors);
    EXPECT_EQ(Joined(shell.calls), "message Notice, scroll, invalidate HeightView");
    EXPECT_EQ(shell.messages[0].text, "No height data has been loaded.");
    EXPECT_EQ(shell.messages[0].icon, MessageIcon::Exclamation);
}

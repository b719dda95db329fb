#include "core/commands/Commands.h"

#include "core/edit/LoadedEditor.h"
#include "core/edit/ViewOps.h"

using Commands = EditorTest;

TEST_F(Commands, ZoomSetsScaleCheckMarkAndFlatGrid) {
    auto& view = editor.view;
    view.ViewOriginColumn = 100;
    editor.mesh.quads[0].vertices[1].position[1] = 99.0f;
    ExecuteCommand(editor, shell, CommandId::Zoom150);
    EXPECT_EQ(view.TilePixels, 96);
    EXPECT_EQ(view.ViewCells, 10);
    EXPECT_EQ(editor.checks.Zoom, CommandId::Zoom150);
    EXPECT_EQ(view.ViewOriginColumn, 100); // the top-left cell stays
    EXPECT_EQ(Joined(shell.calls), "checks");
    EXPECT_EQ(heard.views, std::vector{ViewAspect::Block});
    // The grid is laid out flat for 10 x 10 cells, from -320.
    EXPECT_EQ(editor.mesh.quads[0].vertices[1].position[1], 0.0f);
    EXPECT_EQ(editor.mesh.quads[0].vertices[0].position[0], -320.0f);
    ExecuteCommand(editor, shell, CommandId::Zoom25); // the smallest scale shows 64 rows
    EXPECT_EQ(view.TilePixels, 16);
    EXPECT_EQ(view.ViewCells, 64);
    // Only the chosen zoom item carries the mark; plain commands carry none.
    EXPECT_EQ(CommandCheckMark(editor, CommandId::Zoom25), true);
    EXPECT_EQ(CommandCheckMark(editor, CommandId::Zoom150), false);
    EXPECT_EQ(CommandCheckMark(editor, CommandId::LoadTextureFile), std::nullopt);
    // The 3D window is the new block, wherever a re-centre had left it.
    CenterViewOn(editor, shell, 0, 0);
    ExecuteCommand(editor, shell, CommandId::Zoom100);
    EXPECT_EQ(view.TerrainLeft, view.ViewOriginColumn);
    EXPECT_EQ(view.TerrainTop, view.ViewOriginRow);
}

TEST_F(Commands, DriverInfoExitAndHeightViewItems) {
    editor.driver = {"Mesa", "llvmpipe", "2.1", std::string(600, 'x')};
    ExecuteCommand(editor, shell, CommandId::DriverInfo);
    ASSERT_EQ(shell.messages.size(), 1u);
    const auto& m = shell.messages[0];
    // Shown whole, however long the extension list.
    EXPECT_EQ(m.text, " \n Vendor: Mesa \n Renderer: llvmpipe \n Version: 2.1 \n Extensions: " +
                          std::string(600, 'x'));
    EXPECT_EQ(m.caption, "OpenGL Implementation Information");
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.owner, WindowId::Main);
    shell.Clear();
    // The height view's menu commands go through here too; each asks for its file.
    shell.AnswerNextDialog(std::nullopt); // both dialogs cancelled
    shell.AnswerNextDialog(std::nullopt);
    for (CommandId heightViewCommand :
         {CommandId::OpenHeightMap, CommandId::SaveHeightMap, CommandId::ConvertDemFile})
        ExecuteCommand(editor, shell, heightViewCommand);
    EXPECT_EQ(shell.dialogs.size(), 2u) << "saving without a height map asks for no file";
    EXPECT_EQ(shell.messages.size(), 1u);
    shell.Clear();
    ExecuteCommand(editor, shell, CommandId::Exit);
    EXPECT_EQ(Joined(shell.calls), "destroy");
}

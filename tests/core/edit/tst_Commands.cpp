#include "core/commands/Commands.h"

#include "core/edit/LoadedEditor.h"
#include "core/edit/ViewOps.h"

using Commands = EditorTest;

TEST_F(Commands, ZoomKeepsTheTopLeftCellAndLaysTheGridFlat) {
    auto& view = editor.view;
    view.ViewOriginColumn = 100;
    editor.mesh.quads[0].vertices[1].position[1] = 99.0f;
    ExecuteCommand(editor, shell, CommandId::Zoom150);
    EXPECT_EQ(view.ViewOriginColumn, 100); // the top-left cell stays
    EXPECT_EQ(Joined(shell.calls), "checks");
    EXPECT_EQ(heard.views, std::vector{ViewAspect::Block});
    // The grid is laid out flat for 10 x 10 cells, from -320.
    EXPECT_EQ(editor.mesh.quads[0].vertices[1].position[1], 0.0f);
    EXPECT_EQ(editor.mesh.quads[0].vertices[0].position[0], -320.0f);
    // A re-centre clamps the view's origin but lets the 3D window hang over the map's edge;
    // after a zoom the 3D window is the new block again.
    CenterViewOn(editor, shell, 0, 0);
    EXPECT_EQ(view.ViewOriginColumn, 0);
    EXPECT_EQ(view.TerrainLeft + view.TerrainTop, -10);
    ExecuteCommand(editor, shell, CommandId::Zoom100);
    EXPECT_EQ(view.TerrainLeft, view.ViewOriginColumn);
    EXPECT_EQ(view.TerrainTop, view.ViewOriginRow);
}

TEST_F(Commands, DriverInfoShowsTheWholeExtensionList) {
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
}

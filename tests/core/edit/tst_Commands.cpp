#include "core/commands/Commands.h"

#include "core/edit/LoadedEditor.h"

using Commands = EditorTest;

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

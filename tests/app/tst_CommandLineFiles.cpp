// `mapeditor FILE...`: files named on the command line open by extension, through the same
// operations as the menu commands, and another kind is reported without stopping the rest.

#include "app/CommandLineFiles.h"

#include "support/RecordingShell.h"

#include <gtest/gtest.h>

namespace {

const std::string Samples = std::string(TEST_DATA_DIR) + "/samples/central-europe.";

TEST(CommandLineFiles, OpenEveryLayerOfTheSampleMap) {
    Editor editor;
    RecordingShell shell;
    OpenCommandLineFiles(editor, shell,
                         {Samples + "tm", Samples + "hm", Samples + "rrd", Samples + "seg"});
    EXPECT_TRUE(shell.messages.empty() && shell.dialogs.empty());
    EXPECT_TRUE(editor.tileMap.HasTileMap() && editor.heightMap.HasHeightMap());
    EXPECT_GT(editor.rails.RailSectionCount, 0);
    EXPECT_GT(editor.rails.PendingRailPointCount, 0);
}

TEST(CommandLineFiles, ReportAnUnknownKindAndGoOnWithTheRest) {
    Editor editor;
    RecordingShell shell;
    OpenCommandLineFiles(editor, shell, {"notes.txt", "TarList.dat", Samples + "tm"});
    ASSERT_EQ(shell.messages.size(), 2u);
    EXPECT_EQ(shell.messages[0].caption, "Unable to open file...");
    EXPECT_EQ(shell.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(shell.messages[0].text.rfind("notes.txt", 0), 0u);
    EXPECT_EQ(shell.messages[1].text.rfind("TarList.dat", 0), 0u);
    EXPECT_TRUE(editor.tileMap.HasTileMap());
}

} // namespace

// `mapeditor FILE...`: files named on the command line open by extension, through the same
// operations as the menu commands, and another kind is reported without stopping the rest.

#include "app/CommandLineFiles.h"

#include "support/RecordingShell.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

const std::string Samples = TEST_DATA_DIR "/samples/central-europe.";

TEST(CommandLineFiles, OpenEveryLayerOfTheSampleMap) {
    Editor editor;
    RecordingShell shell;
    OpenCommandLineFiles(editor, shell,
                         {Samples + "tm", Samples + "hm", Samples + "rrd", Samples + "seg"});
    EXPECT_TRUE(shell.messages.empty() && shell.dialogs.empty());
    EXPECT_TRUE(editor.document.Tiles().HasTileMap() && editor.document.Heights().HasHeightMap());
    EXPECT_GT(editor.document.Rails().RailSectionCount, 0);
    EXPECT_GT(editor.document.Rails().PendingRailPointCount, 0);
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
    EXPECT_TRUE(editor.document.Tiles().HasTileMap());
}

TEST(CommandLineFiles, HelpAndVersionAnswerOnTheTerminalWithoutOpeningAnything) {
    for (const auto& [option, expected] :
         {std::pair{"--help", "Usage: "}, std::pair{"--version", "mapeditor "}}) {
        QProcess editor;
        // No display: the editor must answer before it needs one.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        editor.setProcessEnvironment(environment);
        editor.start(MAPEDITOR_PATH, {option});
        ASSERT_TRUE(editor.waitForFinished(20000)) << option;
        EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(editor.exitCode(), 0) << option;
        const QString out = QString::fromLocal8Bit(editor.readAllStandardOutput());
        EXPECT_TRUE(out.startsWith(expected)) << option << ": " << out.toStdString();
    }
}

TEST(CommandLineFiles, OptionsAreNoFilesAndTwoDashesEndThem) {
    std::string arguments[] = {"mapeditor", "a.tm", "--", "-odd.hm", "--"};
    char* argv[] = {arguments[0].data(), arguments[1].data(), arguments[2].data(),
                    arguments[3].data(), arguments[4].data()};
    EXPECT_EQ(CommandLineFileArguments(5, argv),
              (std::vector<std::string>{"a.tm", "-odd.hm", "--"}));
}

} // namespace

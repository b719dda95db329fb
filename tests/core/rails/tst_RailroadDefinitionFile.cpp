#include "CountedFileBytes.h"
#include "core/files/FileCommandExpectations.h"
#include "core/rails/RailroadDefinitionFile.h"
#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class RailroadDefinitionFileTest : public ::testing::Test {
  protected:
    RailNetwork& Rails() { return editor->rails; }
    void ExpectOnlyMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
        ::ExpectOnlyMessage(shell, WindowId::None, text, caption, icon);
    }
    // Loading `bytes` is refused with "Failed to read <path>!" and `reason`; nothing changes.
    void ExpectRefused(const std::vector<uint8_t>& bytes, const std::string& reason) {
        Rails().RailSections[0] = {1, 2, 3, 4, 5, 6};
        Rails().RailSectionCount = 1;
        const auto before = std::make_unique<RailNetwork>(Rails());
        shell.Clear();
        const std::string path = dir.File("bad.rrd");
        WriteBytes(path, bytes);
        LoadRailroadDefinition(*editor, shell, path);
        ExpectOnlyMessage("Failed to read " + path + "!\n\n" + reason, "Notice",
                          MessageIcon::Exclamation);
        EXPECT_EQ(Rails().RailSectionCount, 1);
        EXPECT_EQ(Rails().RailSections, before->RailSections);
    }

    TempDir dir;
    RecordingShell shell;
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
};

TEST_F(RailroadDefinitionFileTest, SectionsRoundTripWithTheirReservedFields) {
    Rails().RailSections[0] = {1, 2, 3, 4, 5, 6};
    Rails().RailSections[1] = {-7, 8, -9, 10, -11, 0x7FFFFFFF};
    Rails().RailSectionCount = 2;
    const std::string path = dir.File("net.rrd");
    SaveRailroadDefinition(*editor, shell, path);
    ExpectOnlyMessage(path + " has been saved.", "Notice", MessageIcon::Information);
    EXPECT_EQ(ReadBytes(path),
              CountedFileBytes(2, {1, 2, 3, 4, 5, 6, -7, 8, -9, 10, -11, 0x7FFFFFFF}));

    auto other = std::make_unique<Editor>();
    LoadRailroadDefinition(*other, shell, path);
    EXPECT_EQ(other->rails.RailSectionCount, 2);
    EXPECT_EQ(other->rails.RailSections, Rails().RailSections);
}

TEST_F(RailroadDefinitionFileTest, AnEmptyNetworkIsACountOfZero) {
    Rails().RailSectionCount = 3;
    const std::string path = dir.File("empty.rrd");
    auto empty = std::make_unique<Editor>();
    SaveRailroadDefinition(*empty, shell, path);
    EXPECT_EQ(ReadBytes(path), CountedFileBytes(0, {}));
    LoadRailroadDefinition(*editor, shell, path);
    EXPECT_EQ(Rails().RailSectionCount, 0);
}

TEST_F(RailroadDefinitionFileTest, LoadingKeepsPendingPointsEvenPastTheLimit) {
    Rails().PendingRailPointCount = 100;
    Rails().PendingRailPoints[99] = {4, 4};
    std::vector<int32_t> fields(2000 * 6, 1);
    WriteBytes(dir.File("big.rrd"), CountedFileBytes(2000, fields));
    LoadRailroadDefinition(*editor, shell, dir.File("big.rrd"));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(Rails().RailSectionCount, 2000);
    EXPECT_EQ(Rails().PendingRailPointCount, 100);
    EXPECT_EQ(Rails().PendingRailPoints[99], (RailPoint{4, 4}));
    AddRailPoint(Rails(), shell, 0, 0);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, "Maximum Number of Rail Sections Exceeded");
}

TEST_F(RailroadDefinitionFileTest, ALongerFileGivesTheRecordsItNames) {
    WriteBytes(dir.File("long.rrd"), CountedFileBytes(1, {1, 2, 3, 4, 5, 6, 99, 99}));
    LoadRailroadDefinition(*editor, shell, dir.File("long.rrd"));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(Rails().RailSectionCount, 1);
    EXPECT_EQ(Rails().RailSections[0], (RailSection{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Rails().RailSections[1], RailSection{});
}

TEST_F(RailroadDefinitionFileTest, DamagedFilesAreRefusedAndChangeNothing) {
    ExpectRefused(CountedFileBytes(-1, {}),
                  "The file names -1 rail sections; it can hold 0 to 2048.");
    ExpectRefused(CountedFileBytes(2049, std::vector<int32_t>(2049 * 6, 0)),
                  "The file names 2049 rail sections; it can hold 0 to 2048.");
    ExpectRefused(CountedFileBytes(3, std::vector<int32_t>(2 * 6 + 5, 0)),
                  "The file names 3 rail sections but holds only 2.");
    ExpectRefused({1, 0}, "The file is too short to hold its count of rail sections.");
}

TEST_F(RailroadDefinitionFileTest, AMissingFileIsReportedAndChangesNothing) {
    Rails().RailSectionCount = 1;
    LoadRailroadDefinition(*editor, shell, dir.File("missing.rrd"));
    ExpectOnlyMessage("Failed to read " + dir.File("missing.rrd") + "!", "Notice",
                      MessageIcon::Exclamation);
    EXPECT_EQ(Rails().RailSectionCount, 1);
}

TEST_F(RailroadDefinitionFileTest, AFailedSaveIsReportedAndNeverClaimsSuccess) {
    const std::string path = dir.File("no-such-folder/net.rrd");
    SaveRailroadDefinition(*editor, shell, path);
    ExpectOnlyMessage(path, "Unable to open file...", MessageIcon::Exclamation);
}

TEST_F(RailroadDefinitionFileTest, DialogsAskWithTheRailroadFilterAndCancelChangesNothing) {
    Rails().RailSectionCount = 1;
    shell.AnswerNextDialog(std::nullopt);
    SaveRailroadDefinition(*editor, shell);
    shell.AnswerNextDialog(std::nullopt);
    LoadRailroadDefinition(*editor, shell);
    ExpectCancelledDialogs(shell, {FileDialogMode::Save, FileDialogMode::Open},
                           "Railroad Definition Files (*.rrd)", "*.rrd");
    EXPECT_EQ(Rails().RailSectionCount, 1);

    shell.AnswerNextDialog(dir.File("chosen.rrd"));
    SaveRailroadDefinition(*editor, shell);
    EXPECT_EQ(ReadBytes(dir.File("chosen.rrd")).size(), 4u + 24u);
}

} // namespace

#include "CountedFileBytes.h"
#include "core/files/FileCommandExpectations.h"
#include "core/files/RailroadDefinitionFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class RailroadDefinitionFileTest : public ::testing::Test {
  protected:
    const RailNetwork& Rails() { return editor->document.Rails(); }

    TempDir dir;
    RecordingShell shell;
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
};

TEST_F(RailroadDefinitionFileTest, SectionsRoundTripWithTheirReservedFields) {
    editor->document.EditRails([](RailNetwork& rails) {
        rails.RailSections[0] = {1, 2, 3, 4, 5, 6};
        rails.RailSections[1] = {-7, 8, -9, 10, -11, 0x7FFFFFFF};
        rails.RailSectionCount = 2;
    });
    shell.AnswerNextDialog(std::nullopt);
    SaveRailroadDefinition(*editor, shell);
    shell.AnswerNextDialog(std::nullopt);
    LoadRailroadDefinition(*editor, shell);
    ExpectCancelledDialogs(shell, {FileDialogMode::Save, FileDialogMode::Open},
                           "Railroad Definition Files (*.rrd)", "*.rrd");
    EXPECT_EQ(Rails().RailSectionCount, 2);

    shell.Clear();
    const std::string path = dir.File("net.rrd");
    shell.AnswerNextDialog(path);
    SaveRailroadDefinition(*editor, shell);
    ExpectOnlyMessage(shell, WindowId::None, path + " has been saved.", "Notice",
                      MessageIcon::Information);
    EXPECT_EQ(ReadBytes(path),
              CountedFileBytes(2, {1, 2, 3, 4, 5, 6, -7, 8, -9, 10, -11, 0x7FFFFFFF}));
    auto other = std::make_unique<Editor>();
    LoadRailroadDefinition(*other, shell, path);
    EXPECT_EQ(other->document.Rails().RailSectionCount, 2);
    EXPECT_EQ(other->document.Rails().RailSections, Rails().RailSections);

    // An empty network is a count of zero.
    SaveRailroadDefinition(*std::make_unique<Editor>(), shell, path);
    EXPECT_EQ(ReadBytes(path), CountedFileBytes(0, {}));
    LoadRailroadDefinition(*editor, shell, path);
    EXPECT_EQ(Rails().RailSectionCount, 0);
}

// Bytes past the named records are ignored; pending points stay even past the limit.
TEST_F(RailroadDefinitionFileTest, LoadingTakesTheNamedRecordsAndKeepsPendingPoints) {
    editor->document.EditRails([](RailNetwork& rails) {
        rails.PendingRailPointCount = 100;
        rails.PendingRailPoints[99] = {4, 4};
    });
    std::vector<int32_t> fields(2000 * 6 + 2, 1);
    fields.back() = 99;
    WriteBytes(dir.File("big.rrd"), CountedFileBytes(2000, fields));
    LoadRailroadDefinition(*editor, shell, dir.File("big.rrd"));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(Rails().RailSectionCount, 2000);
    EXPECT_EQ(Rails().RailSections[1999], (RailSection{1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(Rails().RailSections[2000], RailSection{});
    EXPECT_EQ(Rails().PendingRailPointCount, 100);
    EXPECT_EQ(Rails().PendingRailPoints[99], (RailPoint{4, 4}));
    editor->document.EditRails([&](RailNetwork& rails) { AddRailPoint(rails, shell, 0, 0); });
    ExpectRailLimitMessage(shell);
}

} // namespace

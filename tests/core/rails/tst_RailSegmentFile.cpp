#include "CountedFileBytes.h"
#include "core/files/FileCommandExpectations.h"
#include "core/rails/RailSegmentFile.h"
#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class RailSegmentFileTest : public ::testing::Test {
  protected:
    RailNetwork& Rails() { return editor->rails; }
    // A segment file of `count` points (i, -i) in the test folder.
    std::string SegmentOf(int count) {
        std::vector<int32_t> fields;
        for (int i = 0; i < count; ++i)
            fields.insert(fields.end(), {i, -i});
        const std::string path = dir.File("points" + std::to_string(count) + ".seg");
        WriteBytes(path, CountedFileBytes(count, fields));
        return path;
    }
    void SetPending(int count) {
        for (int i = 0; i < count; ++i)
            Rails().PendingRailPoints[static_cast<size_t>(i)] = {1000 + i, 1000};
        Rails().PendingRailPointCount = count;
    }
    void ExpectOnlyMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
        ::ExpectOnlyMessage(shell, WindowId::None, text, caption, icon);
    }
    void ExpectLimitMessage() {
        ExpectOnlyMessage("Maximum Number of Rail Sections Exceeded", "Error", MessageIcon::None);
    }

    TempDir dir;
    RecordingShell shell;
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
};

TEST_F(RailSegmentFileTest, PendingPointsRoundTripAndSectionsAreUntouched) {
    SetPending(3);
    Rails().PendingRailPoints[1] = {-2147483647 - 1, 2147483647};
    Rails().RailSections[0] = {1, 2, 3, 4, 5, 6};
    Rails().RailSectionCount = 1;
    const std::string path = dir.File("track.seg");
    SaveRailSegment(*editor, shell, path);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(Rails().PendingRailPointCount, 3);
    EXPECT_EQ(ReadBytes(path),
              CountedFileBytes(3, {1000, 1000, -2147483647 - 1, 2147483647, 1002, 1000}));

    const auto saved = Rails().PendingRailPoints;
    SetPending(7);
    LoadRailSegment(*editor, shell, path);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(Rails().PendingRailPointCount, 3);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(Rails().PendingRailPoints[i], saved[i]);
    EXPECT_EQ(Rails().RailSectionCount, 1);
    EXPECT_EQ(Rails().RailSections[0], (RailSection{1, 2, 3, 4, 5, 6}));
}

TEST_F(RailSegmentFileTest, AppendingAddsAfterThePendingPoints) {
    SetPending(2);
    AppendRailSegment(*editor, shell, SegmentOf(2));
    ASSERT_EQ(Rails().PendingRailPointCount, 4);
    EXPECT_EQ(Rails().PendingRailPoints[1], (RailPoint{1001, 1000}));
    EXPECT_EQ(Rails().PendingRailPoints[2], (RailPoint{0, 0}));
    EXPECT_EQ(Rails().PendingRailPoints[3], (RailPoint{1, -1}));
}

TEST_F(RailSegmentFileTest, AnEmptySegmentEmptiesOnLoadAndAddsNothingOnAppend) {
    SetPending(5);
    AppendRailSegment(*editor, shell, SegmentOf(0));
    EXPECT_EQ(Rails().PendingRailPointCount, 5);
    LoadRailSegment(*editor, shell, SegmentOf(0));
    EXPECT_EQ(Rails().PendingRailPointCount, 0);
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(RailSegmentFileTest, LoadingStopsShortOfFillingTheTables) {
    Rails().RailSectionCount = 2000;
    LoadRailSegment(*editor, shell, SegmentOf(47));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(Rails().PendingRailPointCount, 47);

    LoadRailSegment(*editor, shell, SegmentOf(48));
    ExpectLimitMessage();
    EXPECT_EQ(Rails().PendingRailPointCount, 0);
}

TEST_F(RailSegmentFileTest, AppendingOverTheLimitDropsEveryPendingPoint) {
    Rails().RailSectionCount = 2000;
    SetPending(40);
    AppendRailSegment(*editor, shell, SegmentOf(7));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(Rails().PendingRailPointCount, 47);

    SetPending(40);
    AppendRailSegment(*editor, shell, SegmentOf(8));
    ExpectLimitMessage();
    EXPECT_EQ(Rails().PendingRailPointCount, 0);
    EXPECT_EQ(Rails().RailSectionCount, 2000);
}

TEST_F(RailSegmentFileTest, DamagedFilesAreRefusedAndChangeNothing) {
    const std::vector<std::pair<std::vector<uint8_t>, std::string>> cases = {
        {CountedFileBytes(-5, {}), "The file names -5 rail points; it can hold 0 to 2048."},
        {CountedFileBytes(-2147483647 - 1, {}),
         "The file names -2147483648 rail points; it can hold 0 to 2048."},
        {CountedFileBytes(4096, {}), "The file names 4096 rail points; it can hold 0 to 2048."},
        {CountedFileBytes(3, {1, 1, 2, 2, 3}), "The file names 3 rail points but holds only 2."},
        {{7, 0, 0}, "The file is too short to hold its count of rail points."},
    };
    const std::string path = dir.File("bad.seg");
    for (const auto& [bytes, reason] : cases) {
        WriteBytes(path, bytes);
        for (const auto operation : {LoadRailSegment, AppendRailSegment}) {
            SetPending(4);
            shell.Clear();
            operation(*editor, shell, path);
            ExpectOnlyMessage("Failed to read " + path + "!\n\n" + reason, "Notice",
                              MessageIcon::Exclamation);
            EXPECT_EQ(Rails().PendingRailPointCount, 4);
            EXPECT_EQ(Rails().PendingRailPoints[3], (RailPoint{1003, 1000}));
        }
    }
}

TEST_F(RailSegmentFileTest, MissingFilesAndFailedSavesAreReported) {
    SetPending(2);
    const std::string missing = dir.File("missing.seg");
    for (const auto operation : {LoadRailSegment, AppendRailSegment}) {
        shell.Clear();
        operation(*editor, shell, missing);
        ExpectOnlyMessage("Failed to read " + missing + "!", "Notice", MessageIcon::Exclamation);
        EXPECT_EQ(Rails().PendingRailPointCount, 2);
    }
    shell.Clear();
    const std::string unreachable = dir.File("no-such-folder/track.seg");
    SaveRailSegment(*editor, shell, unreachable);
    ExpectOnlyMessage(unreachable, "Unable to open file...", MessageIcon::Exclamation);
    EXPECT_EQ(Rails().PendingRailPointCount, 2);
}

TEST_F(RailSegmentFileTest, DialogsAskWithTheSegmentFilterAndCancelChangesNothing) {
    SetPending(2);
    for (const auto operation : {SaveRailSegment, LoadRailSegment, AppendRailSegment}) {
        shell.AnswerNextDialog(std::nullopt);
        operation(*editor, shell, {});
    }
    ExpectCancelledDialogs(shell,
                           {FileDialogMode::Save, FileDialogMode::Open, FileDialogMode::Open},
                           "Rail Segments (*.seg)", "*.seg");
    EXPECT_EQ(Rails().PendingRailPointCount, 2);

    shell.AnswerNextDialog(dir.File("chosen.seg"));
    SaveRailSegment(*editor, shell);
    shell.AnswerNextDialog(dir.File("chosen.seg"));
    AppendRailSegment(*editor, shell);
    EXPECT_EQ(Rails().PendingRailPointCount, 4);
}

} // namespace

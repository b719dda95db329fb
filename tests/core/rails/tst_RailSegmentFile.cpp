#include "CountedFileBytes.h"
#include "core/edit/UnsavedChanges.h"
#include "core/files/FileCommandExpectations.h"
#include "core/files/RailSegmentFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using SegmentCommand = void (*)(Editor&, Shell&, const std::string&);

class RailSegmentFileTest : public ::testing::Test {
  protected:
    const RailNetwork& Rails() { return editor->document.Rails(); }
    // A segment file of `count` points (i, -i) in the test folder.
    std::string SegmentOf(int count) {
        std::vector<int32_t> fields;
        for (int i = 0; i < count; ++i)
            fields.insert(fields.end(), {i, -i});
        const std::string path = dir.File("points" + std::to_string(count) + ".seg");
        WriteBytes(path, CountedFileBytes(count, fields));
        return path;
    }
    // Pending points as a segment file left them: loading over them asks nothing.
    void SetPending(int count) {
        editor->document.EditRails([count](RailNetwork& rails) {
            for (int i = 0; i < count; ++i)
                rails.PendingRailPoints[static_cast<size_t>(i)] = {1000 + i, 1000};
            rails.PendingRailPointCount = count;
        });
        MarkLayerSaved(*editor, SavedLayer::RailSegment, {});
    }

    TempDir dir;
    RecordingShell shell;
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
};

TEST_F(RailSegmentFileTest, PendingPointsRoundTripAndSectionsAreUntouched) {
    SetPending(2);
    for (const SegmentCommand command : {SaveRailSegment, LoadRailSegment, AppendRailSegment}) {
        shell.AnswerNextDialog(std::nullopt);
        command(*editor, shell, {});
    }
    ExpectCancelledDialogs(shell,
                           {FileDialogMode::Save, FileDialogMode::Open, FileDialogMode::Open},
                           "Rail Segments (*.seg)", "*.seg");
    EXPECT_EQ(Rails().PendingRailPointCount, 2);

    SetPending(3);
    editor->document.EditRails([](RailNetwork& rails) {
        rails.PendingRailPoints[1] = {-2147483647 - 1, 2147483647};
        rails.RailSections[0] = {1, 2, 3, 4, 5, 6};
        rails.RailSectionCount = 1;
    });
    const std::string path = dir.File("track.seg");
    shell.AnswerNextDialog(path);
    SaveRailSegment(*editor, shell);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(ReadBytes(path),
              CountedFileBytes(3, {1000, 1000, -2147483647 - 1, 2147483647, 1002, 1000}));

    const auto saved = Rails().PendingRailPoints;
    SetPending(7);
    LoadRailSegment(*editor, shell, path);
    shell.AnswerNextDialog(path);
    AppendRailSegment(*editor, shell);
    EXPECT_TRUE(shell.messages.empty());
    ASSERT_EQ(Rails().PendingRailPointCount, 6);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(Rails().PendingRailPoints[i], saved[i % 3]) << i;
    EXPECT_EQ(Rails().RailSectionCount, 1);
    EXPECT_EQ(Rails().RailSections[0], (RailSection{1, 2, 3, 4, 5, 6}));

    AppendRailSegment(*editor, shell, SegmentOf(0));
    EXPECT_EQ(Rails().PendingRailPointCount, 6);
    shell.AnswerNextQuestion(true); // the appended points are in no file
    LoadRailSegment(*editor, shell, SegmentOf(0));
    EXPECT_EQ(Rails().PendingRailPointCount, 0);
    EXPECT_EQ(shell.questions.size(), 1u);
    EXPECT_TRUE(shell.messages.empty());
}

// Sections + pending points must stay below 2048; a file that would go past it is refused and
// the points being laid stay as they were.
TEST_F(RailSegmentFileTest, LoadingOrAppendingStopsShortOfFillingTheTables) {
    const struct {
        SegmentCommand command;
        int pendingBefore, pointsInFile, pendingAfter;
        bool refused;
    } cases[] = {{LoadRailSegment, 40, 47, 47, false},
                 {LoadRailSegment, 40, 48, 40, true},
                 {AppendRailSegment, 40, 7, 47, false},
                 {AppendRailSegment, 40, 8, 40, true}};
    editor->document.EditRails([](RailNetwork& rails) { rails.RailSectionCount = 2000; });
    for (const auto& c : cases) {
        SetPending(c.pendingBefore);
        shell.Clear();
        c.command(*editor, shell, SegmentOf(c.pointsInFile));
        EXPECT_EQ(Rails().PendingRailPointCount, c.pendingAfter) << c.pointsInFile;
        if (c.refused)
            ExpectRailLimitMessage(shell);
        else
            EXPECT_TRUE(shell.messages.empty());
        EXPECT_EQ(Rails().RailSectionCount, 2000);
    }
}

} // namespace

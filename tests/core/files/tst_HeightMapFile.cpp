#include "FileCommandExpectations.h"
#include "FileSizeLimit.h"
#include "core/height/HeightMapFile.h"
#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

uint16_t PatternHeight(size_t index) {
    return static_cast<uint16_t>(index * 331 + 17);
}

// The file bytes of a map whose cell i holds PatternHeight(i), least significant byte first.
std::vector<uint8_t> PatternFile() {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < static_cast<size_t>(MapCellCount); ++i) {
        bytes.push_back(static_cast<uint8_t>(PatternHeight(i) & 0xFF));
        bytes.push_back(static_cast<uint8_t>(PatternHeight(i) >> 8));
    }
    return bytes;
}

class HeightMapFileTest : public ::testing::Test {
  protected:
    void OpenPattern() {
        WriteBytes(dir.File("old.hm"), PatternFile());
        OpenHeightMap(*editor, shell, dir.File("old.hm"));
        ASSERT_TRUE(editor->heightMap.HasHeightMap());
        shell.Clear();
    }
    bool HoldsPattern() const {
        const auto heights = editor->heightMap.Heights();
        for (size_t i = 0; i < heights.size(); ++i)
            if (heights[i] != PatternHeight(i))
                return false;
        return heights.size() == static_cast<size_t>(MapCellCount);
    }
    void ExpectFailure(const std::string& text, const std::string& caption) {
        ExpectOnlyMessage(shell, WindowId::Main, text, caption, MessageIcon::Exclamation);
    }

    TempDir dir;
    RecordingShell shell;
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
};

TEST_F(HeightMapFileTest, OpeningReadsLittleEndianHeightsAndShadesThem) {
    std::vector<uint8_t> bytes(HeightMapFileSize, 0);
    const std::vector<std::pair<size_t, uint16_t>> cells = {
        {1, 1}, {2, 256}, {3, 257}, {4, 514}, {640, 65535}, {MapCellCount - 1, 0x1234}};
    for (const auto& [index, height] : cells) {
        bytes[2 * index] = static_cast<uint8_t>(height & 0xFF);
        bytes[2 * index + 1] = static_cast<uint8_t>(height >> 8);
    }
    WriteBytes(dir.File("cells.raw"), bytes);
    OpenHeightMap(*editor, shell, dir.File("cells.raw"));
    EXPECT_TRUE(shell.messages.empty());
    for (const auto& [index, height] : cells)
        EXPECT_EQ(editor->heightMap.At(static_cast<int>(index)), height) << index;
    const auto& shade = editor->heightShade;
    EXPECT_EQ(shade[0], 0);
    EXPECT_EQ(shade[1], 1);
    EXPECT_EQ(shade[2], 1);
    EXPECT_EQ(shade[3], 1);
    EXPECT_EQ(shade[4], 2);
    EXPECT_EQ(shade[640], 255);
}

TEST_F(HeightMapFileTest, OpeningCentresThePreviewOnTheFirstCell) {
    editor->view.ViewOriginColumn = 300;
    editor->view.ViewOriginRow = 200;
    OpenPattern();
    shell.Clear();
    editor->view.ViewOriginColumn = 300;
    editor->view.ViewOriginRow = 200;
    OpenHeightMap(*editor, shell, dir.File("old.hm"));
    EXPECT_EQ(editor->view.ViewOriginColumn, 0);
    EXPECT_EQ(editor->view.ViewOriginRow, 0);
    const auto& calls = shell.calls;
    EXPECT_NE(std::find(calls.begin(), calls.end(), "invalidate HeightView"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "scroll"), calls.end());
}

TEST_F(HeightMapFileTest, SaveAfterOpenGivesTheSameBytesWhateverTheExtension) {
    OpenPattern();
    EXPECT_TRUE(HoldsPattern());
    SaveHeightMap(*editor, shell, dir.File("copy.raw"));
    EXPECT_EQ(ReadBytes(dir.File("copy.raw")), PatternFile());
    ExpectOnlyMessage(shell, WindowId::Main, dir.File("copy.raw") + " has been saved.", "Notice",
                      MessageIcon::Information);
}

TEST_F(HeightMapFileTest, DialogsAskWithTheHeightFilterAndCancelChangesNothing) {
    OpenPattern();
    shell.AnswerNextDialog(std::nullopt);
    OpenHeightMap(*editor, shell);
    shell.AnswerNextDialog(std::nullopt);
    SaveHeightMap(*editor, shell);
    ExpectCancelledDialogs(shell, {FileDialogMode::Open, FileDialogMode::Save},
                           "Height Map Files (*.hm, *.raw)", "*.hm; *.raw");
    EXPECT_TRUE(HoldsPattern());

    shell.AnswerNextDialog(dir.File("chosen.hm"));
    SaveHeightMap(*editor, shell);
    EXPECT_EQ(ReadBytes(dir.File("chosen.hm")), PatternFile());
}

TEST_F(HeightMapFileTest, AFileThatCannotBeOpenedKeepsTheMapAndShortOrLongFilesLoad) {
    OpenPattern();
    OpenHeightMap(*editor, shell, dir.File("missing.hm"));
    ExpectFailure(dir.File("missing.hm"), "Unable to open file...");
    EXPECT_EQ(shell.calls.back(), "invalidate Main");

    EXPECT_TRUE(HoldsPattern());

    // A short file loads what it holds, the rest of the grid is zero; half a value counts
    // as its low byte.
    shell.Clear();
    WriteBytes(dir.File("short.hm"), {0x34, 0x12, 0x07});
    OpenHeightMap(*editor, shell, dir.File("short.hm"));
    EXPECT_TRUE(shell.messages.empty());
    ASSERT_TRUE(editor->heightMap.HasHeightMap());
    EXPECT_EQ(editor->heightMap.At(0), 0x1234);
    EXPECT_EQ(editor->heightMap.At(1), 0x0007);
    EXPECT_EQ(editor->heightMap.At(2), 0);
    EXPECT_EQ(editor->heightMap.At(MapCellCount - 1), 0);
    OpenPattern();

    shell.Clear();
    const auto pattern = PatternFile();
    auto longer = pattern;
    longer.insert(longer.end(), pattern.rbegin(), pattern.rend());
    WriteBytes(dir.File("long.hm"), longer);
    editor->heightMap.FreeHeightMap();
    OpenHeightMap(*editor, shell, dir.File("long.hm"));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_TRUE(HoldsPattern());
}

TEST_F(HeightMapFileTest, SavingWithoutHeightsAsksNothingAndWritesNothing) {
    SaveHeightMap(*editor, shell);
    ExpectFailure("No height data has been loaded.", "Unable to save file...");
    EXPECT_TRUE(shell.dialogs.empty());
}

TEST_F(HeightMapFileTest, AFailedSaveKeepsTheOldFileAndNeverClaimsSuccess) {
    OpenPattern();
    const std::string unreachable = dir.File("no-such-folder/map.hm");
    SaveHeightMap(*editor, shell, unreachable);
    ExpectFailure(unreachable, "Unable to save file...");

    shell.Clear();
    const std::string target = dir.File("kept.hm");
    WriteBytes(target, {7, 7});
    {
        FileSizeLimit limit(4096);
        SaveHeightMap(*editor, shell, target);
    }
    ExpectFailure(target, "Unable to save file...");
    EXPECT_EQ(ReadBytes(target), (std::vector<uint8_t>{7, 7}));
}

} // namespace

#include "FileCommandExpectations.h"
#include "FileSizeLimit.h"
#include "core/tilemap/TextureMapFile.h"
#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Every byte value occurs, so rotations and the codes 59-63 without a tile are included.
std::vector<uint8_t> PatternMap(int seed) {
    std::vector<uint8_t> bytes(MapCellCount);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + static_cast<size_t>(seed));
    return bytes;
}

std::vector<uint8_t> CellsOf(const Editor& editor) {
    const auto cells = editor.tileMap.Cells();
    return {cells.begin(), cells.end()};
}

class TextureMapFileTest : public ::testing::Test {
  protected:
    void LoadPattern(int seed) {
        WriteBytes(dir.File("old.tm"), PatternMap(seed));
        LoadTextureMap(*editor, shell, dir.File("old.tm"));
        ASSERT_EQ(CellsOf(*editor), PatternMap(seed));
        shell.Clear();
    }
    void ExpectFailure(const std::string& text, const std::string& caption) {
        ExpectOnlyMessage(shell, WindowId::Main, text, caption, MessageIcon::Exclamation);
    }

    TempDir dir;
    RecordingShell shell;
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
};

TEST_F(TextureMapFileTest, SaveAfterLoadGivesTheSameBytesAndTellsTheUser) {
    WriteBytes(dir.File("in.tm"), PatternMap(3));
    LoadTextureMap(*editor, shell, dir.File("in.tm"));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(shell.calls, std::vector<std::string>{"invalidate Main"});

    shell.Clear();
    SaveTextureMap(*editor, shell, dir.File("out.tm"));
    EXPECT_EQ(ReadBytes(dir.File("out.tm")), PatternMap(3));
    ExpectOnlyMessage(shell, WindowId::Main, dir.File("out.tm") + " has been saved.", "Notice",
                      MessageIcon::Information);
    EXPECT_EQ(shell.calls.back(), "invalidate Main");
}

TEST_F(TextureMapFileTest, DialogsAskWithTheTextureFilterAndCancelChangesNothing) {
    LoadPattern(1);
    shell.AnswerNextDialog(std::nullopt);
    LoadTextureMap(*editor, shell);
    shell.AnswerNextDialog(std::nullopt);
    SaveTextureMap(*editor, shell);
    ExpectCancelledDialogs(shell, {FileDialogMode::Open, FileDialogMode::Save},
                           "Texture Map Files (*.tm)", "*.tm");
    EXPECT_EQ(CellsOf(*editor), PatternMap(1));

    shell.Clear();
    shell.AnswerNextDialog(dir.File("chosen.tm"));
    SaveTextureMap(*editor, shell);
    shell.AnswerNextDialog(dir.File("chosen.tm"));
    auto other = std::make_unique<Editor>();
    LoadTextureMap(*other, shell);
    EXPECT_EQ(CellsOf(*other), PatternMap(1));
}

TEST_F(TextureMapFileTest, AFileThatCannotBeOpenedKeepsTheMap) {
    LoadPattern(5);
    LoadTextureMap(*editor, shell, dir.File("missing.tm"));
    ExpectFailure(dir.File("missing.tm"), "Unable to open file...");
    EXPECT_EQ(shell.calls.back(), "invalidate Main");
    EXPECT_EQ(CellsOf(*editor), PatternMap(5));
}

TEST_F(TextureMapFileTest, AShortFileLoadsWhatItHoldsAndTheRestIsZero) {
    LoadPattern(5);
    WriteBytes(dir.File("short.tm"), std::vector<uint8_t>(100, 9));
    LoadTextureMap(*editor, shell, dir.File("short.tm"));
    EXPECT_TRUE(shell.messages.empty());
    auto expected = std::vector<uint8_t>(MapCellCount, 0);
    std::fill_n(expected.begin(), 100, 9);
    EXPECT_EQ(CellsOf(*editor), expected);

    WriteBytes(dir.File("empty.tm"), {});
    LoadTextureMap(*editor, shell, dir.File("empty.tm"));
    EXPECT_EQ(CellsOf(*editor), std::vector<uint8_t>(MapCellCount, 0));
}

TEST_F(TextureMapFileTest, ALongerFileGivesItsFirstBytes) {
    auto bytes = PatternMap(2);
    bytes.insert(bytes.end(), 1000, 0xEE);
    WriteBytes(dir.File("long.tm"), bytes);
    LoadTextureMap(*editor, shell, dir.File("long.tm"));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(CellsOf(*editor), PatternMap(2));
}

TEST_F(TextureMapFileTest, SavingWithoutAMapAsksNothingAndWritesNothing) {
    SaveTextureMap(*editor, shell);
    ExpectFailure("No texture data has been loaded.", "Unable to save file...");
    EXPECT_TRUE(shell.dialogs.empty());
}

TEST_F(TextureMapFileTest, AFailedSaveKeepsTheOldFileAndNeverClaimsSuccess) {
    LoadPattern(4);
    const std::string unreachable = dir.File("no-such-folder/map.tm");
    SaveTextureMap(*editor, shell, unreachable);
    ExpectFailure(unreachable, "Unable to open file...");

    shell.Clear();
    const std::string target = dir.File("kept.tm");
    WriteBytes(target, {1, 2, 3});
    {
        FileSizeLimit limit(4096); // the map is created but cannot be written whole
        SaveTextureMap(*editor, shell, target);
    }
    ExpectFailure(target, "Unable to save file...");
    EXPECT_EQ(ReadBytes(target), (std::vector<uint8_t>{1, 2, 3}));
}

} // namespace

// Quitting, or loading over a layer, with changes that no file holds asks first; with nothing
// to lose both go ahead at once.
// Each layer is loaded, changed and saved through its file commands and their dialogs.

#include "LoadedEditor.h"
#include "core/commands/Commands.h"
#include "core/edit/UnsavedChanges.h"
#include "core/files/HeightMapFile.h"
#include "core/files/RailSegmentFile.h"
#include "core/files/RailroadDefinitionFile.h"
#include "core/files/TextureMapFile.h"
#include "core/input/Input.h"
#include "core/rails/CountedFileBytes.h"
#include "support/TempDir.h"

#include <functional>

namespace {

using FileCommand = void (*)(Editor&, Shell&, const std::string&);

struct LayerCase {
    const char* name;
    SavedLayer layer;
    FileCommand load;
    FileCommand save;
    const char* file;
    std::vector<uint8_t> fileBytes; // a valid file of the layer
    std::function<void(Editor&)> change;
    const char* question;
};

const LayerCase Layers[] = {
    {"TextureMap", SavedLayer::TextureMap, LoadTextureMap, SaveTextureMap, "a.tm",
     std::vector<uint8_t>(MapCellCount, 3),
     [](Editor& editor) { editor.document.SetTile(100, MakeCell(1, 20)); },
     "The texture map has changes that are not saved.\n\nQuit without saving them?"},
    {"HeightMap", SavedLayer::HeightMap, OpenHeightMap, SaveHeightMap, "a.hm",
     std::vector<uint8_t>(MapCellCount * 2, 1),
     [](Editor& editor) { editor.document.SetHeight(5, 40000); },
     "The height map has changes that are not saved.\n\nQuit without saving them?"},
    {"Railroads", SavedLayer::Railroads, LoadRailroadDefinition, SaveRailroadDefinition, "a.rrd",
     CountedFileBytes(2, std::vector<int32_t>(2 * 6, 7)),
     [](Editor& editor) {
         editor.document.EditRails([](RailNetwork& rails) { rails.RailSections[1].x2 += 64; });
     },
     "The railroads have changes that are not saved.\n\nQuit without saving them?"},
    {"RailSegment", SavedLayer::RailSegment, LoadRailSegment, SaveRailSegment, "a.seg",
     CountedFileBytes(3, std::vector<int32_t>(3 * 2, 7)),
     [](Editor& editor) {
         editor.document.EditRails([](RailNetwork& rails) { rails.PendingRailPointCount -= 1; });
     },
     "The rail segment being laid has changes that are not saved.\n\nQuit without saving them?"},
};

class UnsavedChanges : public ::testing::TestWithParam<LayerCase> {
  protected:
    std::unique_ptr<Editor> owned = MakeEditor();
    Editor& editor = *owned;
    RecordingShell shell;
    TempDir folder;

    // Runs a file command with its dialog answered by `answer` (std::nullopt: Cancel).
    void Run(FileCommand command, std::optional<std::string> answer) {
        shell.AnswerNextDialog(std::move(answer));
        command(editor, shell, {});
    }
    void LoadAndChange() {
        const std::string path = folder.File(GetParam().file);
        WriteBytes(path, GetParam().fileBytes);
        Run(GetParam().load, path);
        ASSERT_EQ(LayerFileBytes(editor, GetParam().layer), GetParam().fileBytes);
        ASSERT_TRUE(UnsavedLayers(editor).empty()) << "just loaded";
        GetParam().change(editor);
        shell.Clear();
    }
    bool Quits() {
        shell.calls.clear();
        ExecuteCommand(editor, shell, CommandId::Exit);
        return shell.calls == std::vector<std::string>{"destroy"};
    }
};

TEST_P(UnsavedChanges, ChangedLayerAsksUntilSavedAndCancelKeepsTheProgram) {
    LoadAndChange();
    EXPECT_EQ(UnsavedLayers(editor), std::vector<SavedLayer>{GetParam().layer});

    EXPECT_FALSE(Quits()) << "closing the question keeps the program";
    ASSERT_EQ(shell.questions.size(), 1u);
    EXPECT_EQ(shell.questions[0].owner, WindowId::Main);
    EXPECT_EQ(shell.questions[0].text, GetParam().question);

    Run(GetParam().load, std::nullopt);             // a cancelled load forgets nothing
    Run(GetParam().save, folder.File("missing/b")); // nor does a failed save
    EXPECT_EQ(UnsavedLayers(editor).size(), 1u);

    shell.AnswerNextQuestion(true);
    EXPECT_TRUE(Quits()) << "quitting without saving, when the user says so";

    Run(GetParam().save, folder.File("b"));
    shell.questions.clear();
    EXPECT_TRUE(Quits());
    EXPECT_TRUE(shell.questions.empty()) << "saved: nothing to ask";
}

TEST_P(UnsavedChanges, LoadingOverAChangeAsksFirst) {
    LoadAndChange();
    const std::vector<uint8_t> changed = LayerFileBytes(editor, GetParam().layer);
    const std::string path = folder.File(GetParam().file);
    Run(GetParam().load, path);
    EXPECT_EQ(LayerFileBytes(editor, GetParam().layer), changed) << "kept";
    ASSERT_EQ(shell.questions.size(), 1u);
    const std::string question = GetParam().question;
    EXPECT_EQ(shell.questions[0].text, question.substr(0, question.find("\n\n")) +
                                           "\n\nLoad the chosen file without saving them?");

    shell.AnswerNextQuestion(true);
    Run(GetParam().load, path);
    EXPECT_EQ(LayerFileBytes(editor, GetParam().layer), GetParam().fileBytes);
    shell.questions.clear();
    EXPECT_TRUE(Quits());
    EXPECT_TRUE(shell.questions.empty()) << "the file's content is back: nothing to lose";
}

INSTANTIATE_TEST_SUITE_P(Layers, UnsavedChanges, ::testing::ValuesIn(Layers),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(UnsavedChangesQuit, NothingLoadedQuitsAtOnceAndEscapeAsksLikeExit) {
    auto editor = MakeEditor();
    RecordingShell shell;
    ExecuteCommand(*editor, shell, CommandId::Exit);
    EXPECT_EQ(Joined(shell.calls), "destroy");
    EXPECT_TRUE(shell.questions.empty());

    // Painted over a map that came from no file, and rails laid: both are named, in menu order.
    FillTiles(*editor, MakeCell(0, 2));
    editor->document.EditRails([&](RailNetwork& rails) {
        AddRailPoint(rails, shell, 10, 20);
        AddRailPoint(rails, shell, 30, 20);
    });
    EXPECT_EQ(UnsavedLayers(*editor),
              (std::vector<SavedLayer>{SavedLayer::TextureMap, SavedLayer::RailSegment}));
    // The segment becomes railroads.
    editor->document.EditRails([&](RailNetwork& rails) { CommitRailPoints(rails, shell); });
    shell.Clear();
    PressKey(*editor, shell, Key::Escape);
    EXPECT_TRUE(shell.calls.empty());
    ASSERT_EQ(shell.questions.size(), 1u);
    EXPECT_EQ(shell.questions[0].text, "The texture map and the railroads have changes that are "
                                       "not saved.\n\nQuit without saving them?");
}

TEST(UnsavedChangesQuit, TextNamesEveryLayer) {
    EXPECT_EQ(UnsavedChangesText({SavedLayer::TextureMap, SavedLayer::HeightMap,
                                  SavedLayer::Railroads, SavedLayer::RailSegment},
                                 "Quit without saving them?"),
              "The texture map, the height map, the railroads and the rail segment being laid "
              "have changes that are not saved.\n\nQuit without saving them?");
}

} // namespace

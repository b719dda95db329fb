// The texture map and height map file commands behave alike: both are run through every case.

#include "FileCommandExpectations.h"
#include "FileSizeLimit.h"
#include "core/edit/UnsavedChanges.h"
#include "core/files/HeightMapFile.h"
#include "core/files/TextureMapFile.h"
#include "core/height/HeightMapCodec.h"
#include "core/io/FileIO.h"
#include "support/SyncFailure.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace {

using FileCommand = void (*)(Editor&, Shell&, const std::string&);
using Bytes = std::vector<uint8_t>;

struct MapFileCase {
    const char* name;
    FileCommand load;
    FileCommand save;
    size_t fileSize;
    const char* description;
    const char* pattern;
    const char* noData;
    const char* createFailureCaption; // when the file cannot even be created
    SavedLayer layer;                 // the layer the file fills
};

const MapFileCase Cases[] = {
    {"Texture", LoadTextureMap, SaveTextureMap, MapCellCount, "Texture Map Files (*.tm)", "*.tm",
     "No texture data has been loaded.", "Unable to open file...", SavedLayer::TextureMap},
    {"Height", OpenHeightMap, SaveHeightMap, HeightMapFileSize, "Height Map Files (*.hm, *.raw)",
     "*.hm; *.raw", "No height data has been loaded.", "Unable to save file...",
     SavedLayer::HeightMap},
};

class MapFileCommandsTest : public ::testing::TestWithParam<MapFileCase> {
  protected:
    // Every byte value occurs, so tile rotations and the codes 59-63 without a tile are included.
    Bytes Pattern() const {
        Bytes bytes(GetParam().fileSize);
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<uint8_t>(i * 7 + 3);
        return bytes;
    }
    Bytes Contents() const { return LayerFileBytes(*editor, GetParam().layer); }
    void Load(const std::string& name, const Bytes& bytes) {
        WriteBytes(dir.File(name), bytes);
        GetParam().load(*editor, shell, dir.File(name));
    }
    void LoadPattern() {
        Load("old.map", Pattern());
        ASSERT_EQ(Contents(), Pattern());
        shell.Clear();
    }
    void ExpectFailure(const std::string& text, const std::string& caption) {
        ExpectOnlyMessage(shell, WindowId::Main, text, caption, MessageIcon::Exclamation);
        shell.Clear();
    }

    TempDir dir;
    RecordingShell shell;
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
};

// Through the file dialog too, whose Cancel changes nothing.
TEST_P(MapFileCommandsTest, SaveAfterLoadGivesTheSameBytesAndTellsTheUser) {
    Load("in.map", Pattern());
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(Contents(), Pattern());
    shell.Clear();
    shell.AnswerNextDialog(std::nullopt);
    GetParam().load(*editor, shell, {});
    shell.AnswerNextDialog(std::nullopt);
    GetParam().save(*editor, shell, {});
    ExpectCancelledDialogs(shell, {FileDialogMode::Open, FileDialogMode::Save},
                           GetParam().description, GetParam().pattern);
    EXPECT_EQ(Contents(), Pattern());

    shell.Clear();
    const std::string chosen = dir.File("chosen.map");
    shell.AnswerNextDialog(chosen);
    GetParam().save(*editor, shell, {});
    EXPECT_EQ(ReadBytes(chosen), Pattern());
    ExpectOnlyMessage(shell, WindowId::Main, chosen + " has been saved.", "Notice",
                      MessageIcon::Information);
}

// A file of another size is no map of this kind (a height map chosen as a texture map, a
// truncated copy): it is refused with both sizes and the layer stays.
TEST_P(MapFileCommandsTest, FilesOfAnyOtherSizeAreRefusedWithBothSizes) {
    LoadPattern();
    const size_t size = GetParam().fileSize;
    const std::string kind =
        GetParam().layer == SavedLayer::TextureMap ? "texture map file" : "height map file";
    const size_t cells = MapCellCount;
    for (const size_t wrong : {size_t{0}, size_t{1000}, size - 1, size + 1, cells, 2 * cells}) {
        if (wrong == size)
            continue;
        Load("wrong.map", Bytes(wrong, 0x11));
        ExpectFailure(dir.File("wrong.map") + "\n\nThe file is " + std::to_string(wrong) +
                          " bytes; a " + kind + " is " + std::to_string(size) + " bytes.",
                      "Unable to open file...");
        EXPECT_EQ(Contents(), Pattern());
    }
}

// Names are the file system's bytes: a Latin-1 name in a Latin-1 folder is no valid UTF-8.
TEST_P(MapFileCommandsTest, NamesThatAreNotUtf8AreReadAndWritten) {
    std::filesystem::create_directory(dir.File("dir\xe9"));
    const std::string name = dir.File("dir\xe9/caf\xe9.map");
    Load("dir\xe9/caf\xe9.map", Pattern());
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(Contents(), Pattern());
    GetParam().save(*editor, shell, name + "2");
    EXPECT_EQ(ReadBytes(name + "2"), Pattern());
    EXPECT_EQ(shell.messages.back().text, name + "2 has been saved.");
}

TEST_P(MapFileCommandsTest, FailuresAreReportedAndChangeNothing) {
    GetParam().save(*editor, shell, {});
    EXPECT_TRUE(shell.dialogs.empty());
    ExpectFailure(GetParam().noData, "Unable to save file...");

    LoadPattern();
    GetParam().load(*editor, shell, dir.File("missing.map"));
    ExpectFailure(dir.File("missing.map"), "Unable to open file...");
    EXPECT_EQ(Contents(), Pattern());
    // Opens, but reading fails (a disk error, here the process's own memory at address 0):
    // that is no short file to be padded with zeros.
    GetParam().load(*editor, shell, "/proc/self/mem");
    ExpectFailure("/proc/self/mem", "Unable to open file...");
    EXPECT_EQ(Contents(), Pattern());

    // A FIFO would block the reader; a device node must never be replaced by a file.
    const std::string fifo = dir.File("fifo.map");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    GetParam().load(*editor, shell, fifo);
    ExpectFailure(fifo + "\n\n" + NotRegularFileText, "Unable to open file...");
    EXPECT_EQ(Contents(), Pattern());
    GetParam().save(*editor, shell, fifo);
    ExpectFailure(fifo + "\n\n" + NotRegularFileText, GetParam().createFailureCaption);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    const std::string unreachable = dir.File("no-such-folder/map");
    GetParam().save(*editor, shell, unreachable);
    ExpectFailure(unreachable, GetParam().createFailureCaption);

    // The file is created but cannot be written whole: the old one survives.
    const std::string target = dir.File("kept.map");
    WriteBytes(target, {1, 2, 3});
    {
        FileSizeLimit limit(4096);
        GetParam().save(*editor, shell, target);
    }
    ExpectFailure(target, "Unable to save file...");
    EXPECT_EQ(ReadBytes(target), (Bytes{1, 2, 3}));
    // Every byte is written, but the disk fails to keep them: no "has been saved.".
    {
        SyncFailure failure;
        GetParam().save(*editor, shell, target);
    }
    ExpectFailure(target, "Unable to save file...");
    EXPECT_EQ(ReadBytes(target), (Bytes{1, 2, 3}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}),
              std::ptrdiff_t{3}); // kept.map, old.map and the FIFO: no temporary file is left
}

INSTANTIATE_TEST_SUITE_P(BothKinds, MapFileCommandsTest, ::testing::ValuesIn(Cases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(HeightMapFile, OpeningReadsLittleEndianHeightsShadesThemAndCentresThePreview) {
    TempDir dir;
    RecordingShell shell;
    auto editor = std::make_unique<Editor>();
    editor->view.ViewOriginColumn = 300;
    editor->view.ViewOriginRow = 200;
    Bytes bytes(HeightMapFileSize, 0);
    const size_t cells[] = {0, 1, 2, 3, 4, 640, MapCellCount - 1};
    const uint16_t heights[] = {0, 1, 256, 257, 514, 65535, 0x1234};
    const uint8_t shades[] = {0, 1, 1, 1, 2, 255, 18}; // water 0, else height x 255 / 65535, >= 1
    for (size_t i = 0; i < std::size(cells); ++i) {
        bytes[2 * cells[i]] = static_cast<uint8_t>(heights[i] & 0xFF);
        bytes[2 * cells[i] + 1] = static_cast<uint8_t>(heights[i] >> 8);
    }
    WriteBytes(dir.File("cells.raw"), bytes);
    OpenHeightMap(*editor, shell, dir.File("cells.raw"));
    EXPECT_TRUE(shell.messages.empty());
    for (size_t i = 0; i < std::size(cells); ++i) {
        EXPECT_EQ(editor->document.Heights().At(static_cast<int>(cells[i])), heights[i])
            << cells[i];
        EXPECT_EQ(editor->heightShade[cells[i]], shades[i]) << cells[i];
    }
    EXPECT_EQ(editor->view.ViewOriginColumn, 0);
    EXPECT_EQ(editor->view.ViewOriginRow, 0);
    EXPECT_NE(std::find(shell.calls.begin(), shell.calls.end(), "scroll"), shell.calls.end());
}

} // namespace

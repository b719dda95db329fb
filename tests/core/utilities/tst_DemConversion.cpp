#include "DemSourceWriter.h"
#include "PerSampleDemReader.h"
#include "core/files/DemConversion.h"
#include "core/height/DemWindowReader.h"
#include "core/height/HeightMapCodec.h"
#include "core/io/FileIO.h"
#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace {

DemWindowConversion ConvertWith(const std::string& path,
                                void (*reader)(std::FILE*, DemWindowConversion&)) {
    DemWindowConversion conversion;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    EXPECT_NE(file, nullptr);
    if (file) {
        reader(file, conversion);
        std::fclose(file);
    }
    return conversion;
}

// Read, written, land to water, water to 0, maximum elevation, sea level.
std::array<int, 6> Counts(const DemWindowConversion& conversion) {
    const DemCounters& c = conversion.Counters();
    return {c.itemsRead,        c.itemsWritten, c.landItemsConverted, c.waterItemsTranslated,
            c.maximumElevation, c.seaLevel};
}

DemSampleFunction Constant(int16_t value) {
    return [value](int, int) { return value; };
}

// Distinct values that tell every sample apart, with sea and below-sea cells among them.
int16_t Distinct(int row, int column) {
    if ((row + column) % 17 == 0)
        return DemNoData;
    if ((row * column) % 23 == 0)
        return static_cast<int16_t>(-(row % 50) - 1);
    return static_cast<int16_t>((row * 7 + column * 3) % 5000);
}

uint16_t HeightAt(const DemWindowConversion& conversion, int cell) {
    const auto& bytes = conversion.HeightBytes();
    return static_cast<uint16_t>(bytes[2 * cell] | (bytes[2 * cell + 1] << 8));
}

} // namespace

TEST(DemSampling, UnreadableSampleRepeatsThePreviousRawValue) {
    DemWindowConversion conversion;
    conversion.AddSample(std::nullopt); // nothing read yet: height 0
    conversion.AddSample(int16_t{DemNoData});
    conversion.AddSample(std::nullopt); // sea again, and counted as such
    conversion.AddSample(int16_t{-3});
    conversion.AddSample(std::nullopt);
    EXPECT_EQ(HeightAt(conversion, 0) * 100 + HeightAt(conversion, 4), 15);
    EXPECT_EQ(Counts(conversion), (std::array{2, 5, 2, 2, 1, 15}));
}

TEST(DemWindowReader, MatchesThePerSampleReaderAndShortSourcesCountWhatTheyHold) {
    TempDir dir;
    const std::string path = dir.File("source.dem");
    const std::pair<const char*, int64_t> cases[] = {
        {"full", DemFullSourceBytes},
        {"ends inside the window", 4800 * 9600 + 1234},
        {"ends inside a sample", 4800 * 9600 + 2 * 3000 + 1},
        {"ends at the last sampled row", 5396 * 9600 + 2 * 4196 + 1},
        {"ends before the window", 4000 * 9600},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(WriteDemSource(path, Distinct, bytes));
        ASSERT_EQ(std::filesystem::file_size(path), static_cast<uintmax_t>(bytes));
        const DemWindowConversion bulk = ConvertWith(path, ReadDemWindow);
        const DemWindowConversion plain = ConvertWith(path, ReadDemWindowPerSample);
        EXPECT_TRUE(bulk.Complete());
        EXPECT_EQ(bulk.HeightBytes(), plain.HeightBytes());
        EXPECT_EQ(bulk.RawImage(), plain.RawImage());
        EXPECT_EQ(Counts(bulk), Counts(plain));
    }
    // Ends just after row 4207: map rows 0 to 2 are whole, the rest keeps the last sample.
    ASSERT_TRUE(WriteDemSource(path, Constant(2055), 4208LL * 9600));
    const DemWindowConversion shortSource = ConvertWith(path, ReadDemWindow);
    EXPECT_EQ(Counts(shortSource)[0], 3 * MapWidth);
    EXPECT_EQ(Counts(shortSource)[1], MapCellCount);
    EXPECT_EQ(HeightAt(shortSource, MapCellCount - 1), 32767);
}

class ConvertDemFileTest : public ::testing::Test {
  protected:
    TempDir dir;
    RecordingShell shell;
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
    std::string source = dir.File("grid.dem");

    void Convert(const DemSampleFunction& sample) {
        ASSERT_TRUE(WriteDemSource(source, sample));
        ConvertDemFile(*editor, shell, source);
    }
    const RecordedMessage& Summary() const { return shell.messages.back(); }
    // Nothing written and no height map after a failure reported as `caption` with `text`.
    void ExpectRefused(const std::string& text, const char* caption) {
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].text, text);
        EXPECT_EQ(shell.messages[0].caption, caption);
        EXPECT_EQ(shell.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_FALSE(std::filesystem::exists(dir.File("trv16.hm")));
        EXPECT_FALSE(editor->document.Heights().HasHeightMap());
    }
};

TEST_F(ConvertDemFileTest, AllSeaSourceGivesAllZeroOutputs) {
    Convert(Constant(DemNoData));
    ASSERT_EQ(shell.messages.size(), 2u);
    EXPECT_EQ(shell.messages[0].text, "Click OK to begin process");
    EXPECT_EQ(Summary().text, "Process Complete.\n204800 Items Read.\n204800 Items Written.\n0 "
                              "Land Items Converted to Water.\n204800 Water Items Translated to "
                              "0.\n0 is the maximum elevation.\nSea Level is 0.\n\n[Raw image "
                              "generated]");
    for (const RecordedMessage& m : shell.messages) {
        EXPECT_EQ(m.caption, "Notice");
        EXPECT_EQ(m.icon, MessageIcon::Information);
        EXPECT_EQ(m.owner, WindowId::Main);
    }
    EXPECT_EQ(ReadBytes(dir.File("trv16.hm")), std::vector<uint8_t>(409600, 0));
    EXPECT_EQ(ReadBytes(dir.File("trv.hm")), std::vector<uint8_t>(204800, 0));
    ASSERT_TRUE(editor->document.Heights().HasHeightMap());
    EXPECT_EQ(editor->document.Heights().At(12345), 0);
    const auto on = std::find(shell.calls.begin(), shell.calls.end(), "wait on");
    ASSERT_NE(on, shell.calls.end());
    EXPECT_NE(std::find(on, shell.calls.end(), "wait off"), shell.calls.end());
}

TEST_F(ConvertDemFileTest, ClampsAboveFullScaleReportsTheRawMaximumAndRaisesLowLand) {
    WriteBytes(dir.File("trv16.hm"), {1, 2, 3}); // an earlier output is replaced
    Convert([](int row, int) { return static_cast<int16_t>(row % 2 == 0 ? 5000 : 1); });
    EXPECT_NE(Summary().text.find("5000 is the maximum elevation.\nSea Level is 15."),
              std::string::npos);
    const auto heights = ReadBytes(dir.File("trv16.hm"));
    const auto raw = ReadBytes(dir.File("trv.hm"));
    ASSERT_EQ(heights.size() + raw.size(), 409600u + 204800u);
    // Map row 0 reads source row 4200 (5000), map row 1 reads 4203 (1).
    EXPECT_EQ((std::array{heights[0], heights[1], raw[0]}),
              (std::array<uint8_t, 3>{255, 255, 255}));
    EXPECT_EQ(heights[2 * MapWidth] * 1000 + raw[MapWidth], 15000);
    EXPECT_EQ(editor->document.Heights().At(MapWidth), 15);
    // Land below sea level becomes 1.
    Convert(Constant(-40));
    EXPECT_NE(Summary().text.find("204800 Land Items Converted to Water.\n0 Water Items"),
              std::string::npos);
    EXPECT_EQ(editor->document.Heights().At(0), 15);
}

TEST_F(ConvertDemFileTest, CancelMissingShortOrOddSourceOrUncreatableOutputChangeNothing) {
    shell.AnswerNextDialog(std::nullopt);
    ConvertDemFile(*editor, shell);
    ASSERT_EQ(shell.dialogs.size(), 1u);
    EXPECT_EQ(shell.dialogs[0].mode, FileDialogMode::Open);
    EXPECT_EQ(shell.dialogs[0].description, "Digital Elevation Map (*.dem)");
    EXPECT_EQ(shell.dialogs[0].pattern, "*.dem");
    EXPECT_TRUE(shell.messages.empty());
    const std::string folder = dir.File("folder.dem");
    std::filesystem::create_directory(folder);
    shell.Clear();
    ConvertDemFile(*editor, shell, source);
    ExpectRefused(source, "Unable to open file...");
    const std::string fifo = dir.File("fifo.dem");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {folder, fifo}) {
        shell.Clear();
        ConvertDemFile(*editor, shell, path);
        ExpectRefused(path + "\n\n" + NotRegularFileText, "Unable to open file...");
    }
    // One sample short of the window: the missing rows would have become water.
    WriteBytes(source, std::vector<uint8_t>(size_t{DemRowsRequired} * DemSamplesPerRow * 2 - 2));
    shell.Clear();
    ConvertDemFile(*editor, shell, source);
    ExpectRefused(source + "\n\nThe elevation source holds 5396 rows of 4800 samples; the "
                           "conversion reads 5397. Nothing was converted.",
                  "Unable to open file...");
    ASSERT_TRUE(WriteDemSource(source, Constant(100)));
    std::filesystem::create_directory(dir.File("trv.hm")); // a folder where a file must go
    shell.Clear();
    ConvertDemFile(*editor, shell, source);
    ExpectRefused(dir.File("trv.hm"), "Unable to create file...");
}

// The raw image fails after the height file was written (a folder appears where it must go).
TEST_F(ConvertDemFileTest, HeightsWrittenAreLoadedEvenWhenTheRawImageFails) {
    struct FolderAppearsShell : RecordingShell {
        std::string path;
        void ShowMessage(WindowId owner, const std::string& text, const std::string& caption,
                         MessageIcon icon) override {
            RecordingShell::ShowMessage(owner, text, caption, icon);
            if (text == "Click OK to begin process")
                std::filesystem::create_directory(path);
        }
    } folderAppears;
    folderAppears.path = dir.File("trv.hm");
    ASSERT_TRUE(WriteDemSource(source, Constant(100)));
    ConvertDemFile(*editor, folderAppears, source);

    ASSERT_EQ(folderAppears.messages.size(), 2u) << "no summary claiming a raw image";
    EXPECT_EQ(folderAppears.messages[1].text, dir.File("trv.hm") + "\n\n" + NotRegularFileText);
    EXPECT_EQ(folderAppears.messages[1].caption, "Unable to create file...");
    ASSERT_TRUE(editor->document.Heights().HasHeightMap());
    EXPECT_EQ(HeightMapFileBytes(editor->document.Heights()), ReadBytes(dir.File("trv16.hm")));
}

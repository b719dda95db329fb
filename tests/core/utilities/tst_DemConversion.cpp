#include "DemSourceWriter.h"
#include "PerSampleDemReader.h"
#include "core/height/DemConversion.h"
#include "core/height/DemWindowReader.h"
#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

using Reader = void (*)(std::FILE*, DemWindowConversion&);

DemWindowConversion ConvertWith(const std::string& path, Reader reader) {
    DemWindowConversion conversion;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    EXPECT_NE(file, nullptr);
    if (file) {
        reader(file, conversion);
        std::fclose(file);
    }
    return conversion;
}

void ExpectSameConversion(const DemWindowConversion& bulk, const DemWindowConversion& plain) {
    EXPECT_TRUE(bulk.Complete());
    EXPECT_EQ(bulk.HeightBytes(), plain.HeightBytes());
    EXPECT_EQ(bulk.RawImage(), plain.RawImage());
    const DemCounters& a = bulk.Counters();
    const DemCounters& b = plain.Counters();
    EXPECT_EQ(a.itemsRead, b.itemsRead);
    EXPECT_EQ(a.itemsWritten, b.itemsWritten);
    EXPECT_EQ(a.landItemsConverted, b.landItemsConverted);
    EXPECT_EQ(a.waterItemsTranslated, b.waterItemsTranslated);
    EXPECT_EQ(a.maximumElevation, b.maximumElevation);
    EXPECT_EQ(a.seaLevel, b.seaLevel);
}

// A source in which every sample has the same value.
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

TEST(DemSampling, WindowCoordinates) {
    const auto& rows = DemSourceRows();
    const auto& columns = DemSourceColumns();
    EXPECT_EQ(rows[0], 4200);
    EXPECT_EQ(rows[1], 4203);
    EXPECT_EQ(rows[2], 4207);
    EXPECT_EQ(rows[32], 4320); // 32 cells cover 120 samples
    EXPECT_EQ(rows[319], 5396);
    EXPECT_EQ(columns[3], 1811);
    EXPECT_EQ(columns[639], 4196);
}

TEST(DemSampling, ScalingAndClamps) {
    EXPECT_EQ(DemHeightOf(0), 0);
    EXPECT_EQ(DemRawShadeOf(0), 0);
    EXPECT_EQ(DemHeightOf(1), 15);
    EXPECT_EQ(DemRawShadeOf(1), 0);
    EXPECT_EQ(DemHeightOf(2055), 32767);
    EXPECT_EQ(DemRawShadeOf(2055), 127);
    EXPECT_EQ(DemHeightOf(4110), 65535);
    EXPECT_EQ(DemRawShadeOf(4110), 255);
    EXPECT_EQ(DemHeightOf(32767), 65535);
    EXPECT_EQ(DemRawShadeOf(4111), 255);
}

TEST(DemSampling, UnreadableSampleRepeatsThePreviousRawValue) {
    DemWindowConversion conversion;
    conversion.AddSample(std::nullopt); // nothing read yet: height 0
    conversion.AddSample(int16_t{DemNoData});
    conversion.AddSample(std::nullopt); // sea again, and counted as such
    conversion.AddSample(int16_t{-3});
    conversion.AddSample(std::nullopt);
    EXPECT_EQ(HeightAt(conversion, 0), 0);
    EXPECT_EQ(HeightAt(conversion, 4), 15);
    EXPECT_EQ(conversion.Counters().itemsRead, 2);
    EXPECT_EQ(conversion.Counters().itemsWritten, 5);
    EXPECT_EQ(conversion.Counters().waterItemsTranslated, 2);
    EXPECT_EQ(conversion.Counters().landItemsConverted, 2);
    EXPECT_EQ(conversion.Counters().seaLevel, 15);
}

TEST(DemWindowReader, MatchesThePerSampleReader) {
    TempDir dir;
    struct Case {
        const char* name;
        int64_t bytes;
    };
    const Case cases[] = {
        {"full", DemFullSourceBytes},
        {"ends inside the window", 4800 * 9600 + 1234},
        {"ends inside a sample", 4800 * 9600 + 2 * 3000 + 1},
        {"ends at the last sampled row", 5396 * 9600 + 2 * 4196 + 1},
        {"ends before the window", 4000 * 9600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File("source.dem");
        ASSERT_TRUE(WriteDemSource(path, Distinct, c.bytes));
        ASSERT_EQ(std::filesystem::file_size(path), static_cast<uintmax_t>(c.bytes));
        ExpectSameConversion(ConvertWith(path, ReadDemWindow),
                             ConvertWith(path, ReadDemWindowPerSample));
    }
}

TEST(DemWindowReader, ShortSourceCountsOnlyWhatItHolds) {
    TempDir dir;
    const std::string path = dir.File("short.dem");
    // Ends just after row 4207 (map rows 0, 1 and 2 are whole, the rest is missing).
    ASSERT_TRUE(WriteDemSource(path, Constant(2055), 4208LL * 9600));
    const DemWindowConversion conversion = ConvertWith(path, ReadDemWindow);
    EXPECT_EQ(conversion.Counters().itemsRead, 3 * MapWidth);
    EXPECT_EQ(conversion.Counters().itemsWritten, MapCellCount);
    // The unreadable cells keep the last sample that was read.
    EXPECT_EQ(HeightAt(conversion, MapCellCount - 1), 32767);
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
};

TEST_F(ConvertDemFileTest, AllSeaSourceGivesAllZeroOutputs) {
    Convert(Constant(DemNoData));
    ASSERT_EQ(shell.messages.size(), 2u);
    EXPECT_EQ(shell.messages[0].text, "Click OK to begin process");
    EXPECT_EQ(shell.messages[0].caption, "Notice");
    EXPECT_EQ(shell.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(Summary().text, "Process Complete.\n204800 Items Read.\n204800 Items Written.\n0 "
                              "Land Items Converted to Water.\n204800 Water Items Translated to "
                              "0.\n0 is the maximum elevation.\nSea Level is 0.\n\n[Raw image "
                              "generated]");
    EXPECT_EQ(Summary().caption, "Notice");
    EXPECT_EQ(Summary().icon, MessageIcon::Information);
    EXPECT_EQ(Summary().owner, WindowId::Main);
    EXPECT_EQ(ReadBytes(dir.File("trv16.hm")), std::vector<uint8_t>(409600, 0));
    EXPECT_EQ(ReadBytes(dir.File("trv.hm")), std::vector<uint8_t>(204800, 0));
    ASSERT_TRUE(editor->heightMap.HasHeightMap());
    EXPECT_EQ(editor->heightMap.At(12345), 0);
    const auto& calls = shell.calls;
    const auto on = std::find(calls.begin(), calls.end(), "wait on");
    ASSERT_NE(on, calls.end());
    EXPECT_NE(std::find(on, calls.end(), "wait off"), calls.end());
}

TEST_F(ConvertDemFileTest, ClampsAboveFullScaleAndReportsTheRawMaximum) {
    WriteBytes(dir.File("trv16.hm"), {1, 2, 3}); // an earlier output is replaced
    Convert([](int row, int) { return static_cast<int16_t>(row % 2 == 0 ? 5000 : 1); });
    EXPECT_NE(Summary().text.find("5000 is the maximum elevation.\nSea Level is 15."),
              std::string::npos);
    const auto heights = ReadBytes(dir.File("trv16.hm"));
    const auto raw = ReadBytes(dir.File("trv.hm"));
    ASSERT_EQ(heights.size(), 409600u);
    ASSERT_EQ(raw.size(), 204800u);
    // Map row 0 reads source row 4200 (5000), map row 1 reads 4203 (1).
    EXPECT_EQ(heights[0], 0xFF);
    EXPECT_EQ(heights[1], 0xFF);
    EXPECT_EQ(raw[0], 255);
    EXPECT_EQ(heights[2 * MapWidth], 15);
    EXPECT_EQ(raw[MapWidth], 0);
    EXPECT_EQ(editor->heightMap.At(MapWidth), 15);
}

TEST_F(ConvertDemFileTest, LandBelowSeaLevelBecomesOne) {
    Convert(Constant(-40));
    EXPECT_NE(Summary().text.find("204800 Land Items Converted to Water.\n0 Water Items"),
              std::string::npos);
    EXPECT_EQ(editor->heightMap.At(0), 15);
}

TEST_F(ConvertDemFileTest, MissingSourceOrFolderIsReportedAndNothingIsWritten) {
    const std::string folder = dir.File("folder.dem");
    std::filesystem::create_directory(folder);
    for (const std::string& path : {source, folder}) {
        shell.Clear();
        ConvertDemFile(*editor, shell, path);
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].text, path);
        EXPECT_EQ(shell.messages[0].caption, "Unable to open file...");
        EXPECT_EQ(shell.messages[0].icon, MessageIcon::Exclamation);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("trv16.hm")));
    EXPECT_FALSE(editor->heightMap.HasHeightMap());
}

TEST_F(ConvertDemFileTest, UncreatableOutputStopsBeforeTheProcessStarts) {
    ASSERT_TRUE(WriteDemSource(source, Constant(100)));
    std::filesystem::create_directory(dir.File("trv.hm")); // a folder where a file must go
    ConvertDemFile(*editor, shell, source);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, dir.File("trv.hm"));
    EXPECT_EQ(shell.messages[0].caption, "Unable to create file...");
    EXPECT_FALSE(std::filesystem::exists(dir.File("trv16.hm")));
    EXPECT_FALSE(editor->heightMap.HasHeightMap());
}

TEST_F(ConvertDemFileTest, AsksForTheSourceAndCancelChangesNothing) {
    shell.AnswerNextDialog(std::nullopt);
    ConvertDemFile(*editor, shell);
    ASSERT_EQ(shell.dialogs.size(), 1u);
    EXPECT_EQ(shell.dialogs[0].mode, FileDialogMode::Open);
    EXPECT_EQ(shell.dialogs[0].description, "Digital Elevation Map (*.dem)");
    EXPECT_EQ(shell.dialogs[0].pattern, "*.dem");
    EXPECT_TRUE(shell.messages.empty());
}

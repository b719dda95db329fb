#include "BitmapBytes.h"
#include "core/image/LoadDibImage.h"
#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string Fixture(const std::string& name) {
    return std::string(TEST_FIXTURE_DIR) + "/bitmaps/" + name;
}

// ImageMagick's decoding of a fixture, turned into bottom-up row order (the file's order).
std::vector<uint8_t> ExpectedBottomUp(const std::string& name, int width, int height) {
    const std::vector<uint8_t> topDown = ReadBytes(Fixture(name + ".rgb"));
    std::vector<uint8_t> rows;
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    for (int row = height - 1; row >= 0; --row)
        rows.insert(rows.end(), topDown.begin() + row * rowBytes,
                    topDown.begin() + (row + 1) * rowBytes);
    return rows;
}

class DibLoading : public ::testing::Test {
  protected:
    std::optional<RgbImage> Load(const std::vector<uint8_t>& bytes) {
        WriteBytes(dir.File("image.bmp"), bytes);
        return LoadDibImage(shell, dir.File("image.bmp"));
    }
    void ExpectOnlyMessage(const std::string& text) {
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].text, text);
        EXPECT_EQ(shell.messages[0].caption, "Error");
        EXPECT_EQ(shell.messages[0].icon, MessageIcon::None);
    }
    TempDir dir;
    RecordingShell shell;
};

std::vector<uint8_t> Pixels(std::initializer_list<std::array<uint8_t, 3>> colours) {
    std::vector<uint8_t> out;
    for (const auto& c : colours)
        out.insert(out.end(), c.begin(), c.end());
    return out;
}

} // namespace

TEST_F(DibLoading, DecodesEveryFixtureLikeAnIndependentDecoder) {
    for (const char* name :
         {"pal8", "rle8", "pal4", "mono1", "rgb24", "core24", "core4", "core8"}) {
        SCOPED_TRACE(name);
        const auto image = LoadDibImage(shell, Fixture(std::string(name) + ".bmp"));
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->width, 19);
        EXPECT_EQ(image->height, 13);
        EXPECT_EQ(image->data, ExpectedBottomUp(name, 19, 13));
    }
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(DibLoading, FilesWithoutFileHeaderFindTheBitsAfterTheColourTable) {
    for (const char* name : {"pal8", "core24", "core4"}) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> bytes = ReadBytes(Fixture(std::string(name) + ".bmp"));
        bytes.erase(bytes.begin(), bytes.begin() + 14);
        const auto image = Load(bytes);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->data, ExpectedBottomUp(name, 19, 13));
    }
}

TEST_F(DibLoading, ColoursUsedDecidesTheTableSize) {
    DibLayout layout;
    layout.width = 2;
    layout.bitCount = 8;
    layout.fileHeader = false;
    layout.coloursUsed = 17;
    for (int c = 0; c < 17; ++c)
        layout.colours.push_back({static_cast<uint8_t>(10 * c), 1, 2});
    layout.bits = {16, 3, 0, 0};
    auto image = Load(MakeDib(layout));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->data, Pixels({{160, 1, 2}, {30, 1, 2}}));

    layout.coloursUsed = 0; // 8 bits without a count: a full table of 256 colours
    layout.colours.resize(256, {0, 0, 0});
    layout.colours[255] = {9, 8, 7};
    layout.bits = {255, 16, 0, 0};
    image = Load(MakeDib(layout));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->data, Pixels({{9, 8, 7}, {160, 1, 2}}));
}

TEST_F(DibLoading, TwentyFourBitRowsSkipTheirPadding) {
    DibLayout layout;
    layout.width = 3;
    layout.height = 2;
    // Stored rows: B, G, R per pixel, each row padded to a multiple of four bytes.
    layout.bits = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0};
    auto image = Load(MakeDib(layout));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->data,
              Pixels({{3, 2, 1}, {6, 5, 4}, {9, 8, 7}, {12, 11, 10}, {15, 14, 13}, {18, 17, 16}}));

    layout.width = 4;
    layout.height = 1;
    layout.bits = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    image = Load(MakeDib(layout));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->data, Pixels({{3, 2, 1}, {6, 5, 4}, {9, 8, 7}, {12, 11, 10}}));
}

TEST_F(DibLoading, TopDownRowsComeInFileOrderWithAPositiveHeight) {
    DibLayout layout;
    layout.width = 1;
    layout.height = -2;
    layout.bits = {1, 2, 3, 0, 4, 5, 6, 0};
    const auto image = Load(MakeDib(layout));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->data, Pixels({{3, 2, 1}, {6, 5, 4}}));
}

TEST_F(DibLoading, SixteenAndThirtyTwoBitPixelsWithAndWithoutBitFields) {
    DibLayout layout;
    layout.width = 4;
    layout.bitCount = 16; // 5-5-5 without masks
    layout.bits = {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42};
    auto image = Load(MakeDib(layout));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->data, Pixels({{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {132, 132, 132}}));

    layout.compression = 3; // 5-6-5 bit fields
    layout.masks = {0xF800, 0x07E0, 0x001F};
    layout.bits = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0xFF, 0xFF};
    image = Load(MakeDib(layout));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->data, Pixels({{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}}));

    layout.bitCount = 32;
    layout.width = 2;
    layout.compression = 0; // blue, green, red, unused
    layout.masks.clear();
    layout.bits = {1, 2, 3, 99, 4, 5, 6, 99};
    image = Load(MakeDib(layout));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->data, Pixels({{3, 2, 1}, {6, 5, 4}}));

    layout.compression = 3; // masks in an unusual order: red in the low byte
    layout.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    layout.fileHeader = false;
    image = Load(MakeDib(layout));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->data, Pixels({{1, 2, 3}, {4, 5, 6}}));
}

TEST_F(DibLoading, RunLengthEncodedRowsWithDeltasAndAbsoluteRuns) {
    DibLayout layout;
    layout.width = 5;
    layout.height = 3;
    layout.bitCount = 4;
    layout.compression = 2;
    layout.colours = {{0, 0, 0}, {10, 0, 0}, {20, 0, 0}, {30, 0, 0}};
    layout.colours.resize(16, {0, 0, 0});
    // Row 0: a run of 5 alternating 1, 2; end of line. Row 1: absolute 3, 1, 2, then a
    // delta one row down to column 3, a run of one 3, and the end of the bitmap.
    layout.bits = {5, 0x12, 0, 0, 0, 3, 0x31, 0x20, 0, 2, 0, 1, 1, 0x30, 0, 1};
    auto image = Load(MakeDib(layout));
    ASSERT_TRUE(image.has_value());
    const std::array<uint8_t, 3> o{0, 0, 0}, a{10, 0, 0}, b{20, 0, 0}, c{30, 0, 0};
    EXPECT_EQ(image->data, Pixels({a, b, a, b, a, c, a, b, o, o, o, o, o, c, o}));

    layout.bitCount = 8;
    layout.compression = 1;
    layout.colours.resize(256, {0, 0, 0});
    layout.bits = {2, 3, 0, 3, 1, 2, 3, 0, 0, 1}; // a run, an odd absolute run with padding
    image = Load(MakeDib(layout));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->data, Pixels({c, c, a, b, c, o, o, o, o, o, o, o, o, o, o}));
}

TEST_F(DibLoading, MissingAndEmptyFilesReportTheOpenFailure) {
    EXPECT_FALSE(LoadDibImage(shell, dir.File("none.bmp")).has_value());
    ExpectOnlyMessage("Failed to open DIB file " + dir.File("none.bmp") + ".\n");
    shell.Clear();
    EXPECT_FALSE(Load({}).has_value());
    ExpectOnlyMessage("Failed to open DIB file " + dir.File("image.bmp") + ".\n");
}

TEST_F(DibLoading, HostileHeadersFailWithTheirMessage) {
    DibLayout layout;
    layout.headerSize = 108;
    EXPECT_FALSE(Load(MakeDib(layout)).has_value());
    ExpectOnlyMessage("Unknown DIB file format.");

    const auto expectConversionError = [&](const std::vector<uint8_t>& bytes) {
        shell.Clear();
        EXPECT_FALSE(Load(bytes).has_value());
        ExpectOnlyMessage("Image file conversion error.");
    };
    DibLayout empty;
    empty.width = 0;
    expectConversionError(MakeDib(empty));
    DibLayout truncated;
    truncated.width = 4;
    truncated.height = 4;
    truncated.bits = {1, 2, 3};
    expectConversionError(MakeDib(truncated));
    DibLayout shortTable;
    shortTable.bitCount = 8;
    shortTable.colours = {{1, 2, 3}};
    expectConversionError(MakeDib(shortTable));
    std::vector<uint8_t> offsetBeyondEnd = MakeDib(DibLayout{.bits = {1, 2, 3, 0}});
    offsetBeyondEnd[10] = 0xFF;
    expectConversionError(offsetBeyondEnd);
    DibLayout topDownRunLength;
    topDownRunLength.height = -1;
    topDownRunLength.bitCount = 8;
    topDownRunLength.compression = 1;
    topDownRunLength.colours.resize(256, {0, 0, 0});
    topDownRunLength.bits = {1, 0, 0, 1};
    expectConversionError(MakeDib(topDownRunLength));
    DibLayout twoBits;
    twoBits.bitCount = 2;
    twoBits.bits = {0, 0, 0, 0};
    expectConversionError(MakeDib(twoBits));

    shell.Clear();
    DibLayout huge;
    huge.width = 1 << 20;
    huge.height = 1 << 20;
    EXPECT_FALSE(Load(MakeDib(huge)).has_value());
    ExpectOnlyMessage("Out of memory.");
}

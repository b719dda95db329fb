#include "BitmapBytes.h"
#include "core/image/LoadDibImage.h"
#include "core/image/PictureLimits.h"
#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// ImageMagick's decoding of a fixture, turned into bottom-up row order (the file's order).
std::vector<uint8_t> ExpectedBottomUp(const std::string& name, int width, int height) {
    const std::vector<uint8_t> topDown = ReadBytes(BitmapFixture(name + ".rgb"));
    std::vector<uint8_t> rows;
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    for (int row = height - 1; row >= 0; --row)
        rows.insert(rows.end(), topDown.begin() + row * rowBytes,
                    topDown.begin() + (row + 1) * rowBytes);
    return rows;
}

std::vector<std::array<uint8_t, 3>> Reds(int count, int step) {
    std::vector<std::array<uint8_t, 3>> colours;
    for (int c = 0; c < count; ++c)
        colours.push_back({static_cast<uint8_t>(step * c), 1, 2});
    return colours;
}

class DibLoading : public ::testing::Test {
  protected:
    std::optional<RgbImage> Load(const std::vector<uint8_t>& bytes) {
        WriteBytes(dir.File("image.bmp"), bytes);
        return LoadDibImage(shell, dir.File("image.bmp"));
    }
    void ExpectFailure(const std::vector<uint8_t>& bytes, const std::string& text) {
        shell.Clear();
        EXPECT_FALSE(Load(bytes).has_value());
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].text, text);
        EXPECT_EQ(shell.messages[0].caption, "Error");
        EXPECT_EQ(shell.messages[0].icon, MessageIcon::None);
    }
    TempDir dir;
    RecordingShell shell;
};

TEST_F(DibLoading, DecodesEveryFixtureLikeAnIndependentDecoderWithOrWithoutFileHeader) {
    for (const char* name :
         {"pal8", "rle8", "pal4", "mono1", "rgb24", "core24", "core4", "core8"}) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> bytes = ReadBytes(BitmapFixture(std::string(name) + ".bmp"));
        for (const bool withFileHeader : {true, false}) {
            if (!withFileHeader)
                bytes.erase(bytes.begin(), bytes.begin() + 14); // bits follow the colour table
            const auto image = Load(bytes);
            ASSERT_TRUE(image.has_value());
            EXPECT_EQ(image->width, 19);
            EXPECT_EQ(image->height, 13);
            EXPECT_EQ(image->data, ExpectedBottomUp(name, 19, 13));
        }
    }
    EXPECT_TRUE(shell.messages.empty());
}

struct HandMadeCase {
    const char* what;
    DibLayout layout;
    std::vector<uint8_t> rgb; // red, green, blue per pixel, rows in file order
};

TEST_F(DibLoading, HandMadeFormatsDecodeToFileOrderRgb) {
    std::vector<std::array<uint8_t, 3>> fullTable = Reds(17, 10);
    fullTable.resize(256, {0, 0, 0});
    fullTable[255] = {9, 8, 7};
    std::vector<std::array<uint8_t, 3>> rle = Reds(4, 10);
    rle.resize(256, {0, 0, 0});
    // clang-format off
    const std::vector<HandMadeCase> cases = {
        {"17 colours used", {.width = 2, .bitCount = 8, .coloursUsed = 17, .colours = Reds(17, 10),
          .bits = {16, 3, 0, 0}, .fileHeader = false}, {160, 1, 2, 30, 1, 2}},
        {"no count: 256 colours", {.width = 2, .bitCount = 8, .colours = fullTable,
          .bits = {255, 16, 0, 0}, .fileHeader = false}, {9, 8, 7, 160, 1, 2}},
        {"top-down", {.height = -2, .bits = {1, 2, 3, 0, 4, 5, 6, 0}}, {3, 2, 1, 6, 5, 4}},
        {"16 bits 5-5-5", {.width = 4, .bitCount = 16,
          .bits = {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42}},
         {255, 0, 0, 0, 255, 0, 0, 0, 255, 132, 132, 132}},
        {"16 bits 5-6-5 fields", {.width = 4, .bitCount = 16, .compression = 3,
          .masks = {0xF800, 0x07E0, 0x001F}, .bits = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0xFF, 0xFF}},
         {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}},
        {"32 bits", {.width = 2, .bitCount = 32, .bits = {1, 2, 3, 99, 4, 5, 6, 99}},
         {3, 2, 1, 6, 5, 4}},
        {"32 bits, red in the low byte", {.width = 2, .bitCount = 32, .compression = 3,
          .masks = {0xFF, 0xFF00, 0xFF0000}, .bits = {1, 2, 3, 99, 4, 5, 6, 99}, .fileHeader = false},
         {1, 2, 3, 4, 5, 6}},
        // A run of alternating 1, 2; end of line; absolute 3, 1, 2; a delta one row down to
        // column 3; a run of one 3; end of bitmap.
        {"RLE4", {.width = 5, .height = 3, .bitCount = 4, .compression = 2,
          .colours = std::vector(rle.begin(), rle.begin() + 16),
          .bits = {5, 0x12, 0, 0, 0, 3, 0x31, 0x20, 0, 2, 0, 1, 1, 0x30, 0, 1}},
         {10, 1, 2, 20, 1, 2, 10, 1, 2, 20, 1, 2, 10, 1, 2, 30, 1, 2, 10, 1, 2, 20, 1, 2,
          0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 1, 2, 0, 0, 0}},
        {"RLE8: a run, an odd absolute run with padding", {.width = 5, .height = 3, .bitCount = 8,
          .compression = 1, .colours = rle, .bits = {2, 3, 0, 3, 1, 2, 3, 0, 0, 1}},
         {30, 1, 2, 30, 1, 2, 10, 1, 2, 20, 1, 2, 30, 1, 2}},
    };
    // clang-format on
    for (const HandMadeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto image = Load(MakeDib(c.layout));
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->width, c.layout.width);
        EXPECT_EQ(image->height, std::abs(c.layout.height));
        std::vector<uint8_t> expected = c.rgb;
        expected.resize(static_cast<size_t>(image->width * image->height * 3), 0);
        EXPECT_EQ(image->data, expected);
    }
}

TEST_F(DibLoading, BadFilesFailWithTheirMessage) {
    EXPECT_FALSE(LoadDibImage(shell, dir.File("none.bmp")).has_value());
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, "Failed to open DIB file " + dir.File("none.bmp") + ".\n");
    ExpectFailure({}, "Failed to open DIB file " + dir.File("image.bmp") + ".\n");
    ExpectFailure(MakeDib({.headerSize = 108}), "Unknown DIB file format.");

    std::vector<uint8_t> offsetBeyondEnd = MakeDib({.bits = {1, 2, 3, 0}});
    offsetBeyondEnd[10] = 0xFF;
    DibLayout topDownRunLength{.height = -1, .bitCount = 8, .compression = 1};
    topDownRunLength.colours.resize(256);
    topDownRunLength.bits = {1, 0, 0, 1};
    for (const auto& bytes : {
             MakeDib({.width = 0}),
             MakeDib({.width = 4, .height = 4, .bits = {1, 2, 3}}), // truncated rows
             MakeDib({.bitCount = 8, .colours = {{1, 2, 3}}}),      // short colour table
             offsetBeyondEnd,
             MakeDib(topDownRunLength),
             MakeDib({.bitCount = 2, .bits = {0, 0, 0, 0}}),
         })
        ExpectFailure(bytes, "Image file conversion error.");
    // Pictures beyond what the program draws, however few bytes name them (8192 x 8192 here).
    ExpectFailure(MakeDib({.width = 1 << 20, .height = 1 << 20}), "Out of memory.");
    ExpectFailure(RunLengthPicture(8192, 8192), "Out of memory.");
    ExpectFailure(RunLengthPicture(MaxPictureSide + 1, 1), "Out of memory.");
    EXPECT_TRUE(Load(RunLengthPicture(MaxPictureSide, MaxPictureSide)).has_value());
}

} // namespace

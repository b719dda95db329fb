// Picture sizes that a bitmap header may name: a tile or button picture is small, and a
// run-length header can name millions of pixels in a few bytes, which must be refused before
// anything is decoded (found by fuzzing ReadBitmapFile and TileBitmapToImage).

#include "BitmapBytes.h"
#include "core/image/TileBitmap.h"
#include "core/image/TileBitmapImage.h"

#include <gtest/gtest.h>

namespace {

// A run-length (RLE8) picture of the given size whose only data ends the picture at once.
std::vector<uint8_t> RunLengthPicture(int32_t width, int32_t height) {
    DibLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = 8;
    layout.compression = 1;
    layout.colours = {{0, 0, 0}, {255, 255, 255}};
    layout.coloursUsed = 2;
    layout.bits = {0, 1}; // end of picture
    return MakeDib(layout);
}

} // namespace

TEST(BitmapSizeLimits, RunLengthHeaderNamingMillionsOfPixelsIsRefused) {
    // The header of the fuzzer's input: 3866643 x 13 pixels from 1.6 kB of file.
    EXPECT_FALSE(ReadBitmapBytes(RunLengthPicture(3866643, 13)).has_value());
    EXPECT_FALSE(ReadBitmapBytes(RunLengthPicture(2049, 2048)).has_value());
    EXPECT_FALSE(ReadBitmapBytes(RunLengthPicture(64, -(1 << 21))).has_value());
}

TEST(BitmapSizeLimits, RunLengthPictureUpToTheLimitIsReadAndDrawn) {
    const auto bitmap = ReadBitmapBytes(RunLengthPicture(2048, 2048));
    ASSERT_TRUE(bitmap.has_value());
    const QImage image = TileBitmapToImage(*bitmap);
    EXPECT_EQ(image.size(), QSize(2048, 2048));
}

TEST(BitmapSizeLimits, UncompressedPictureBeyondTheLimitIsRefusedWhateverItsFileHolds) {
    DibLayout layout;
    layout.width = 4096;
    layout.height = 1025;
    layout.bitCount = 1;
    layout.colours = {{0, 0, 0}, {255, 255, 255}};
    layout.bits.assign(512 * 1025, 0xAA); // every row is present
    EXPECT_FALSE(ReadBitmapBytes(MakeDib(layout)).has_value());
    layout.height = 1024;
    layout.bits.resize(512 * 1024);
    EXPECT_TRUE(ReadBitmapBytes(MakeDib(layout)).has_value());
}

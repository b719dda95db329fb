// The Qt picture of a tile bitmap is decoded from the very bytes the toolkit measures: the
// block after the file header, whatever its first bytes are (found by fuzzing: a block that
// began with "BM" was decoded as a second bitmap file with another size).

#include "BitmapBytes.h"
#include "core/image/TileBitmap.h"
#include "core/image/TileBitmapImage.h"

#include <gtest/gtest.h>

namespace {

DibLayout SmallPicture() {
    DibLayout layout;
    layout.width = 3;
    layout.height = 2;
    layout.bitCount = 24;
    layout.bits = {0,   0,   255, 0, 255, 0, 255, 0, 0, 0, 0, 0,
                   255, 255, 255, 0, 0,   0, 9,   9, 9, 0, 0, 0};
    return layout;
}

} // namespace

TEST(TileBitmapImage, PictureHasTheMeasuredSizeTopRowFirst) {
    const auto bitmap = ReadBitmapBytes(MakeDib(SmallPicture()));
    ASSERT_TRUE(bitmap.has_value());
    const QImage image = TileBitmapToImage(*bitmap);
    ASSERT_EQ(image.size(), QSize(BitmapWidth(*bitmap), BitmapHeight(*bitmap)));
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0)); // stored row 0 is the bottom row
    EXPECT_EQ(image.pixel(2, 0), qRgb(9, 9, 9));
}

TEST(TileBitmapImage, BlockStartingWithBmIsNotReadAsAnotherFile) {
    // The outer file's block is a whole second bitmap file: its header size field reads
    // 0x....4D42, which the toolkit takes for a core header of 0 x 0 pixels at 24 bits (the
    // low half of the inner pixel offset).
    std::vector<uint8_t> outer = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 14, 0, 0, 0};
    std::vector<uint8_t> inner = MakeDib(SmallPicture());
    inner[10] = 24;
    outer.insert(outer.end(), inner.begin(), inner.end());
    const auto bitmap = ReadBitmapBytes(outer);
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(BitmapWidth(*bitmap), 0);
    EXPECT_TRUE(TileBitmapToImage(*bitmap).isNull());
}

#include "BitmapBytes.h"
#include "core/image/TileBitmap.h"
#include "core/image/TileBitmapImage.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TileBitmap MustRead(const std::vector<uint8_t>& file) {
    auto bitmap = ReadBitmapBytes(file);
    EXPECT_TRUE(bitmap.has_value());
    return bitmap.value_or(TileBitmap{});
}

// Stored pixel (row i, column j) of a tile picture.
int StoredPixel(const TileBitmap& tile, int i, int j) {
    return tile.bytes[BitmapPixels(tile) + i * 64 + j];
}

} // namespace

TEST(BitmapToolkit, RefusesFilesThatAreNotBitmapsOrPointOutsideThemselves) {
    const std::vector<uint8_t> good = ReadBytes(BitmapFixture("pal8.bmp"));
    ASSERT_TRUE(ReadBitmapBytes(good).has_value());
    std::vector<uint8_t> notBm = good;
    std::swap(notBm[0], notBm[1]);
    EXPECT_FALSE(ReadBitmapBytes(notBm).has_value());
    // Cut inside the file header, the information header, the colour table and the rows.
    for (const size_t length : {size_t{13}, size_t{30}, size_t{500}, good.size() - 30})
        EXPECT_FALSE(ReadBitmapBytes({good.begin(), good.begin() + length})) << length;

    DibLayout hostile{.bitCount = 8, .coloursUsed = 0x40000000}; // table far beyond the end
    EXPECT_FALSE(ReadBitmapBytes(MakeDib(hostile)).has_value());
    hostile.coloursUsed = 0;
    hostile.colours.resize(256);
    hostile.height = 0x7FFFFFFF;
    EXPECT_FALSE(ReadBitmapBytes(MakeDib(hostile)).has_value());
    hostile.height = 1;
    hostile.width = -5;
    EXPECT_FALSE(ReadBitmapBytes(MakeDib(hostile)).has_value());
    EXPECT_FALSE(ReadBitmapFile("/nonexistent/tile.bmp").has_value());
}

// A run-length header can name millions of pixels in a few bytes, which must be refused
// before anything is decoded (found by fuzzing ReadBitmapFile and TileBitmapToImage).
TEST(BitmapToolkit, PicturesBeyondTheSizeLimitAreRefusedWhateverTheirFileHolds) {
    EXPECT_FALSE(ReadBitmapBytes(RunLengthPicture(3866643, 13)).has_value());
    EXPECT_FALSE(ReadBitmapBytes(RunLengthPicture(257, 256)).has_value());
    EXPECT_FALSE(ReadBitmapBytes(RunLengthPicture(64, -257)).has_value());
    EXPECT_EQ(TileBitmapToImage(MustRead(RunLengthPicture(256, 256))).size(), QSize(256, 256));

    DibLayout layout{
        .width = 256, .height = 257, .bitCount = 1, .colours = {{0, 0, 0}, {255, 255, 255}}};
    layout.bits.assign(32 * 257, 0xAA); // every row is present
    EXPECT_FALSE(ReadBitmapBytes(MakeDib(layout)).has_value());
    layout.height = 256;
    layout.bits.resize(32 * 256);
    EXPECT_TRUE(ReadBitmapBytes(MakeDib(layout)).has_value());
}

TEST(BitmapToolkit, RotationsMoveEveryPixelToItsTurnedPlace) {
    const TileBitmap tile =
        MustRead(MakeTileFile([](int i, int j) { return (i * 7 + j * 3) % 256; }));
    const auto one = RotateTileBitmap(tile, 1);
    const auto two = RotateTileBitmap(tile, 2);
    const auto three = RotateTileBitmap(tile, 3);
    ASSERT_TRUE(one && two && three);
    for (int i = 0; i < 64; i += 7) {
        for (int j = 0; j < 64; j += 5) {
            const int value = StoredPixel(tile, i, j);
            EXPECT_EQ(StoredPixel(*one, 63 - j, i), value);
            EXPECT_EQ(StoredPixel(*two, 63 - i, 63 - j), value);
            EXPECT_EQ(StoredPixel(*three, j, 63 - i), value);
        }
    }
    // The header and colour table are copied unchanged.
    EXPECT_TRUE(std::equal(tile.bytes.begin(), tile.bytes.begin() + BitmapPixels(tile),
                           one->bytes.begin()));

    TileBitmap turned = tile;
    for (int quarter = 0; quarter < 4; ++quarter)
        turned = *RotateTileBitmap(turned, 1);
    EXPECT_EQ(turned.bytes, tile.bytes);

    EXPECT_FALSE(RotateTileBitmap(TileBitmap{}, 1).has_value());
    EXPECT_FALSE(RotateTileBitmap(tile, 0).has_value());
    EXPECT_FALSE(RotateTileBitmap(tile, 4).has_value());
    EXPECT_FALSE(RotateTileBitmap(*ReadBitmapFile(BitmapFixture("pal8.bmp")), 1).has_value());
}

TEST(BitmapToolkit, ImagesShowThePictureUprightAndTurnedClockwise) {
    const QImage image = TileBitmapToImage(*ReadBitmapFile(BitmapFixture("pal8.bmp")));
    ASSERT_EQ(image.size(), QSize(19, 13));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    const std::vector<uint8_t> rgb = ReadBytes(BitmapFixture("pal8.rgb")); // top row first
    ASSERT_EQ(rgb.size(), 19u * 13u * 3u);
    EXPECT_EQ(image, QImage(rgb.data(), 19, 13, 19 * 3, QImage::Format_RGB888)
                         .convertToFormat(QImage::Format_RGB32));

    // Rotation 1 takes the picture's top-left corner (stored row 63) to its top-right.
    const TileBitmap tile =
        MustRead(MakeTileFile([](int i, int j) { return i == 63 && j == 0 ? 9 : 1; }));
    const QImage upright = TileBitmapToImage(tile);
    EXPECT_EQ(upright.pixel(0, 0), TileBitmapToImage(*RotateTileBitmap(tile, 1)).pixel(63, 0));
    EXPECT_NE(upright.pixel(0, 0), upright.pixel(63, 0));
    EXPECT_TRUE(TileBitmapToImage(TileBitmap{}).isNull());

    // A picture stored top-down turns clockwise on the screen as well.
    std::vector<uint8_t> topDownFile =
        MakeTileFile([](int i, int j) { return i == 0 && j == 0 ? 9 : 1; });
    topDownFile[14 + 8] = 0xC0; // height -64
    topDownFile[14 + 9] = topDownFile[14 + 10] = topDownFile[14 + 11] = 0xFF;
    const TileBitmap topDown = MustRead(topDownFile);
    EXPECT_EQ(TileBitmapToImage(topDown).pixel(0, 0), upright.pixel(0, 0));
    EXPECT_EQ(TileBitmapToImage(*RotateTileBitmap(topDown, 1)).pixel(63, 0), upright.pixel(0, 0));
}

// The Qt picture is decoded from the very bytes the toolkit measures: the block after the
// file header, whatever its first bytes are (found by fuzzing: a block that began with "BM"
// was decoded as a second bitmap file with another size).
TEST(BitmapToolkit, BlockStartingWithBmIsNotReadAsAnotherFile) {
    // The inner file's header size field reads 0x....4D42, which the toolkit takes for a core
    // header of 0 x 0 pixels at 24 bits (the low half of the inner pixel offset).
    std::vector<uint8_t> outer = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 14, 0, 0, 0};
    std::vector<uint8_t> inner =
        MakeDib({.width = 3, .height = 2, .bits = std::vector<uint8_t>(24, 9)});
    inner[10] = 24;
    outer.insert(outer.end(), inner.begin(), inner.end());
    const TileBitmap bitmap = MustRead(outer);
    EXPECT_EQ(BitmapWidth(bitmap), 0);
    EXPECT_TRUE(TileBitmapToImage(bitmap).isNull());
}

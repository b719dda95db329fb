#include "BitmapBytes.h"
#include "core/image/TileBitmap.h"
#include "core/image/TileBitmapImage.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string Fixture(const std::string& name) {
    return std::string(TEST_FIXTURE_DIR) + "/bitmaps/" + name;
}

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

TEST(BitmapToolkit, MeasuresHeadersOfEncoderWrittenFiles) {
    const auto pal8 = ReadBitmapFile(Fixture("pal8.bmp"));
    ASSERT_TRUE(pal8.has_value());
    EXPECT_TRUE(IsInformationHeader(*pal8));
    EXPECT_EQ(BitmapHeight(*pal8), 13);
    EXPECT_EQ(BitmapColourCount(*pal8), 256u);
    EXPECT_EQ(BitmapPaletteSize(*pal8), 1024u);
    EXPECT_EQ(BitmapPixels(*pal8), 40u + 1024u);

    const auto core8 = ReadBitmapFile(Fixture("core8.bmp"));
    ASSERT_TRUE(core8.has_value());
    EXPECT_FALSE(IsInformationHeader(*core8));
    EXPECT_EQ(BitmapHeight(*core8), 13);
    EXPECT_EQ(BitmapColourCount(*core8), 256u);
    EXPECT_EQ(BitmapPaletteSize(*core8), 768u);
    EXPECT_EQ(BitmapPixels(*core8), 12u + 768u);

    const auto mono = ReadBitmapFile(Fixture("mono1.bmp"));
    ASSERT_TRUE(mono.has_value());
    EXPECT_EQ(BitmapColourCount(*mono), 2u);
    EXPECT_EQ(BitmapPaletteSize(*mono), 8u);
    const std::vector<PaletteColour> twoColours = CreateBitmapPalette(*mono);
    ASSERT_EQ(twoColours.size(), 2u);
    EXPECT_NE(twoColours[0], twoColours[1]);
    for (const PaletteColour& colour : twoColours)
        EXPECT_TRUE(colour == (PaletteColour{0, 0, 0}) || colour == (PaletteColour{255, 255, 255}));

    const auto rgb = ReadBitmapFile(Fixture("rgb24.bmp"));
    ASSERT_TRUE(rgb.has_value());
    EXPECT_EQ(BitmapColourCount(*rgb), 0u);
    EXPECT_TRUE(CreateBitmapPalette(*rgb).empty());
}

TEST(BitmapToolkit, ColoursUsedAndTheColourTable) {
    DibLayout layout;
    layout.bitCount = 8;
    layout.bits = {0, 0, 0, 0};
    for (int c = 0; c < 256; ++c)
        layout.colours.push_back({static_cast<uint8_t>(c), 7, static_cast<uint8_t>(255 - c)});
    TileBitmap full = MustRead(MakeDib(layout));
    EXPECT_EQ(BitmapColourCount(full), 256u);
    const std::vector<PaletteColour> palette = CreateBitmapPalette(full);
    ASSERT_EQ(palette.size(), 256u);
    EXPECT_EQ(palette[200], (PaletteColour{200, 7, 55}));

    layout.coloursUsed = 17;
    layout.colours.resize(17);
    TileBitmap some = MustRead(MakeDib(layout));
    EXPECT_EQ(BitmapColourCount(some), 17u);
    EXPECT_EQ(BitmapPaletteSize(some), 68u);
    EXPECT_EQ(CreateBitmapPalette(some).size(), 17u);
    EXPECT_EQ(CopyBitmap(some).bytes, some.bytes);
}

TEST(BitmapToolkit, RefusesFilesThatAreNotBitmapsOrPointOutsideThemselves) {
    std::vector<uint8_t> good = ReadBytes(Fixture("pal8.bmp"));
    ASSERT_TRUE(ReadBitmapBytes(good).has_value());

    std::vector<uint8_t> notBm = good;
    notBm[0] = 'M';
    notBm[1] = 'B';
    EXPECT_FALSE(ReadBitmapBytes(notBm).has_value());
    EXPECT_FALSE(ReadBitmapBytes(std::vector<uint8_t>(good.begin(), good.begin() + 13)));
    EXPECT_FALSE(ReadBitmapBytes(std::vector<uint8_t>(good.begin(), good.begin() + 30)));
    EXPECT_FALSE(ReadBitmapBytes(std::vector<uint8_t>(good.begin(), good.begin() + 500)))
        << "colour table cut short";
    EXPECT_FALSE(ReadBitmapBytes(std::vector<uint8_t>(good.begin(), good.end() - 30)))
        << "pixel rows cut short";

    DibLayout hostile;
    hostile.bitCount = 8;
    hostile.coloursUsed = 0x40000000; // a colour table far beyond the end of the file
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

    const TileBitmap corner = MustRead(MakeTileFile([](int i, int j) { return i == 0 && j == 0; }));
    EXPECT_EQ(StoredPixel(*RotateTileBitmap(corner, 2), 63, 63), 1);

    TileBitmap turned = tile;
    for (int quarter = 0; quarter < 4; ++quarter)
        turned = *RotateTileBitmap(turned, 1);
    EXPECT_EQ(turned.bytes, tile.bytes);
    EXPECT_EQ(RotateTileBitmap(*one, 3)->bytes, tile.bytes);

    EXPECT_FALSE(RotateTileBitmap(TileBitmap{}, 1).has_value());
    EXPECT_TRUE(CreateBitmapPalette(TileBitmap{}).empty());
    EXPECT_FALSE(RotateTileBitmap(tile, 0).has_value());
    EXPECT_FALSE(RotateTileBitmap(tile, 4).has_value());
    const auto notATile = ReadBitmapFile(Fixture("pal8.bmp"));
    ASSERT_TRUE(notATile.has_value());
    EXPECT_FALSE(RotateTileBitmap(*notATile, 1).has_value());
}

TEST(BitmapToolkit, ImagesShowThePictureUprightAndTurnedClockwise) {
    const auto pal8 = ReadBitmapFile(Fixture("pal8.bmp"));
    ASSERT_TRUE(pal8.has_value());
    const QImage image = TileBitmapToImage(*pal8);
    ASSERT_EQ(image.size(), QSize(19, 13));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    const std::vector<uint8_t> expectedRows = ReadBytes(Fixture("pal8.rgb"));
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 19; ++x) {
            const uint8_t* expected = expectedRows.data() + (y * 19 + x) * 3;
            ASSERT_EQ(image.pixel(x, y), qRgb(expected[0], expected[1], expected[2]))
                << x << "," << y;
        }
    }

    // Rotation 1 takes the picture's top-left corner (stored row 63) to its top-right.
    const TileBitmap tile =
        MustRead(MakeTileFile([](int i, int j) { return i == 63 && j == 0 ? 9 : 1; }));
    const QImage upright = TileBitmapToImage(tile);
    const QImage turned = TileBitmapToImage(*RotateTileBitmap(tile, 1));
    EXPECT_EQ(upright.pixel(0, 0), turned.pixel(63, 0));
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

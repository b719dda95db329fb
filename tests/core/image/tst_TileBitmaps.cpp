#include "core/tilemap/TileBitmaps.h"
#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string BundledTile(std::string_view name) {
    return std::string(TEST_DATA_DIR) + "/tiles/QZ" + std::string(name);
}

// Runs the loaders with a temporary folder as the current folder.
class TileLoading : public ::testing::Test {
  protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        std::filesystem::create_directory(dir.path() / "tiles");
        std::filesystem::current_path(dir.path());
    }
    void TearDown() override { std::filesystem::current_path(previous); }
    TempDir dir;
    std::filesystem::path previous;
    RecordingShell shell;
};

} // namespace

TEST(BundledTiles, EveryCatalogueTileIsA64By64PictureWith256Colours) {
    for (int code = 0; code < TileCatalogueSize; ++code) {
        SCOPED_TRACE(TileFileName(code));
        const auto tile = ReadBitmapFile(BundledTile(TileFileName(code)));
        ASSERT_TRUE(tile.has_value());
        EXPECT_TRUE(IsTilePicture(*tile));
        EXPECT_EQ(BitmapWidth(*tile), 64);
        EXPECT_EQ(BitmapHeight(*tile), 64);
        EXPECT_EQ(BitmapBitCount(*tile), 8);
        EXPECT_EQ(BitmapColourCount(*tile), 256u);
    }
}

TEST_F(TileLoading, LoadsAllRotationsAndFallsBackToTheBundledTiles) {
    TileBitmaps tiles;
    LoadTileBitmaps(tiles, shell);
    EXPECT_TRUE(shell.messages.empty());
    for (int code = 0; code < TileCatalogueSize; ++code) {
        EXPECT_EQ(tiles.palettes[code].size(), 256u);
        for (int rotation = 0; rotation < TileRotationCount; ++rotation) {
            ASSERT_TRUE(tiles.bitmaps[rotation][code].has_value());
            EXPECT_EQ(tiles.images[rotation][code].size(), QSize(64, 64));
        }
    }
}

TEST_F(TileLoading, AnUnreadableTileCostsOneNoticeAndLeavesItsSlotsEmpty) {
    WriteBytes("tiles/QZgrass.BMP", {'M', 'B', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    TileBitmaps tiles;
    LoadTileBitmaps(tiles, shell);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, "Failed to read tiles/QZgrass.BMP!");
    EXPECT_EQ(shell.messages[0].caption, "Notice");
    EXPECT_EQ(shell.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(shell.messages[0].owner, WindowId::Main);
    for (int rotation = 0; rotation < TileRotationCount; ++rotation) {
        EXPECT_FALSE(tiles.bitmaps[rotation][1].has_value());
        EXPECT_TRUE(tiles.images[rotation][1].isNull());
        EXPECT_TRUE(tiles.bitmaps[rotation][2].has_value());
    }
    EXPECT_TRUE(tiles.palettes[1].empty());
}

TEST_F(TileLoading, APictureOfAnotherSizeIsRefusedAsUnreadable) {
    std::filesystem::copy_file(std::string(TEST_DATA_DIR) + "/tiles/QZdrawtileup.bmp",
                               "tiles/QZWabmp.bmp");
    TileBitmaps tiles;
    LoadTileBitmaps(tiles, shell);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, "Failed to read tiles/QZWabmp.bmp!");
    EXPECT_FALSE(tiles.bitmaps[0][2].has_value());
}

TEST(PaletteImages, NamesFollowTheButtonTable) {
    EXPECT_EQ(PaletteImageName(0), "drawtileup.bmp");
    EXPECT_EQ(PaletteImageName(64), "drawtiledown.bmp");
    EXPECT_EQ(PaletteImageName(1), "heightup.bmp");
    EXPECT_EQ(PaletteImageName(65), "heightdown.bmp");
    EXPECT_EQ(PaletteImageName(2), "Field8.bmp");
    EXPECT_EQ(PaletteImageName(51), "Alcty8.bmp");
    EXPECT_EQ(PaletteImageName(52), "Coastu1.bmp");
    EXPECT_EQ(PaletteImageName(64 + 52), "CoastU1.bmp");
    EXPECT_EQ(PaletteImageName(53), "Coastu2.bmp");
    EXPECT_EQ(PaletteImageName(60), "CoastTBR.BMP");
    EXPECT_EQ(PaletteImageName(64 + 60), "CoastTBR.BMP");
    for (int button : {61, 62, 63})
        EXPECT_EQ(PaletteImageName(button), "blank.bmp");
}

TEST_F(TileLoading, PaletteImagesFindTheirFilesWithoutRegardToCase) {
    PaletteImages palette;
    LoadPaletteImages(palette);
    for (int index = 0; index < PaletteImageCount; ++index)
        EXPECT_TRUE(palette.bitmaps[index].has_value()) << PaletteImageName(index);
    EXPECT_EQ(palette.images[0].size(), QSize(48, 48));
    EXPECT_EQ(palette.images[65].size(), QSize(48, 48));
    EXPECT_EQ(palette.images[2].size(), QSize(64, 64));
    EXPECT_EQ(palette.bitmaps[52]->bytes, palette.bitmaps[64 + 52]->bytes);
    EXPECT_NE(palette.images[0], palette.images[64]) << "pressed and released differ";
}

#include "InTemporaryFolder.h"
#include "core/tilemap/TileBitmaps.h"
#include "support/RecordingShell.h"

namespace {

// Runs the loaders with an empty tile folder in the current folder.
class TileLoading : public InTemporaryFolder {
  protected:
    void SetUp() override { std::filesystem::create_directory("tiles"); }
    RecordingShell shell;
};

} // namespace

TEST_F(TileLoading, UnreadableOrWronglySizedTilesCostOneNoticeEachAndLeaveTheirSlotsEmpty) {
    WriteBytes("tiles/QZgrass.BMP", {'M', 'B', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    std::filesystem::copy_file(TEST_DATA_DIR "/tiles/QZdrawtileup.bmp",
                               "tiles/QZWabmp.bmp"); // 48 x 48
    TileBitmaps tiles;
    LoadTileBitmaps(tiles, shell);
    ASSERT_EQ(shell.messages.size(), 2u);
    EXPECT_EQ(shell.messages[0].text, "Failed to read tiles/QZgrass.BMP!");
    EXPECT_EQ(shell.messages[0].caption, "Notice");
    EXPECT_EQ(shell.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(shell.messages[0].owner, WindowId::Main);
    EXPECT_EQ(shell.messages[1].text, "Failed to read tiles/QZWabmp.bmp!");
    for (int rotation = 0; rotation < TileRotationCount; ++rotation) {
        EXPECT_FALSE(tiles.bitmaps[rotation][1].has_value());
        EXPECT_TRUE(tiles.images[rotation][1].isNull());
        EXPECT_FALSE(tiles.bitmaps[rotation][2].has_value());
        EXPECT_TRUE(tiles.bitmaps[rotation][3].has_value());
    }
    EXPECT_TRUE(tiles.palettes[1].empty());
}

#include "RenderFixture.h"

#include <gtest/gtest.h>

namespace {

struct ZoomStep {
    int tileSize;
    int cells;
};

class TextureViewTiles : public testing::TestWithParam<ZoomStep> {};

TEST_P(TextureViewTiles, EachCellShowsItsTurnedPictureAndMagentaBeyondTheMap) {
    const auto [size, cells] = GetParam();
    Editor editor = MakeTestEditor(size, cells);
    editor.tileMap.Set(1, 2, MakeCell(3, 41));
    editor.view.ViewOriginColumn = 640 - cells / 2; // right half of the block is off the map
    RecordingShell shell;
    const int inside = cells / 2 * size; // pixels of the block inside the map
    ExpectPixels(RenderTextureView(editor, shell),
                 {At(0, 0, Tile), At(inside - 1, size - 1, Tile), At(inside, 0, Magenta),
                  At(cells * size - 1, cells * size - 1, Magenta),
                  // Pixels right of and below the block are not painted.
                  At(1023, 1023, cells * size < 1024 ? Grey : Magenta)});

    editor.view.ViewOriginColumn = 0;
    ExpectPixels(RenderTextureView(editor, shell),
                 {At(2 * size + size / 2, size + size / 2, TestTileColour(3, 41)),
                  At(2 * size - 1, size + size / 2, Tile)});
}

INSTANTIATE_TEST_SUITE_P(AllZoomSteps, TextureViewTiles,
                         testing::Values(ZoomStep{256, 4}, ZoomStep{128, 8}, ZoomStep{96, 10},
                                         ZoomStep{64, 16}, ZoomStep{32, 32}, ZoomStep{16, 64}));

TEST(TextureViewPainter, OriginAtColumn630At50PercentShowsTenColumnsOfTiles) {
    Editor editor = MakeTestEditor(32, 32);
    editor.view.ViewOriginColumn = 630;
    RecordingShell shell;
    const QImage image = RenderTextureView(editor, shell);
    for (int column = 0; column < 32; ++column)
        EXPECT_EQ(image.pixel(column * 32 + 16, 500), column < 10 ? Tile : Magenta) << column;
}

TEST(TextureViewPainter, GridFramesLieInsideCellsButNotOnCodesWithoutPicture) {
    Editor editor = MakeTestEditor(32, 32);
    editor.flags.ShowGridlines = true;
    editor.view.ViewOriginRow = 319; // view row 1 and below are outside the map
    editor.tileMap.Set(319, 1, MakeCell(0, 60));
    RecordingShell shell;
    ExpectPixels(RenderTextureView(editor, shell),
                 {// A tile cell: frame on its four edges, picture inside.
                  At(0, 0, Black), At(31, 16, Black), At(16, 31, Black), At(1, 1, Tile),
                  At(30, 30, Tile),
                  // Code 60: magenta to the very edge.
                  At(32, 0, Magenta), At(63, 31, Magenta),
                  // Outside the map: magenta with a frame.
                  At(32, 32, Black), At(63, 63, Black), At(33, 33, Magenta)});

    // A missing picture keeps the old pixels and still gets its frame.
    editor = MakeTestEditor(64, 16);
    editor.flags.ShowGridlines = true;
    ExpectPixels(RenderTextureView(editor, shell,
                                   [](int rotation, int code) {
                                       return code == 7 ? QImage()
                                                        : TestTilePicture(rotation, code);
                                   }),
                 {{32, 32, Grey}, {0, 32, Black}});
}

TEST(TextureViewPainter, WithoutTileMapShowsOnlyTheMessageOnWhite) {
    Editor editor;
    editor.flags.ShowLatLong = true;
    editor.VertexMode = true;
    RecordingShell shell;
    const QImage image = RenderTextureView(editor, shell);
    ExpectPixels(image, {At(0, 0, White), At(1023, 1023, White)});
    EXPECT_GT(DarkPixelsOnRow(image, 512), 3) << "the centred text crosses the middle row";
    for (int y = 0; y < 1024; y += 7)
        EXPECT_EQ(image.pixel(16, y), White) << "no text or lines at the left";
}

TEST(TextureViewPainter, PicturesAreScaledOncePerZoomStep) {
    int calls = 0;
    TextureViewPainter painter([&calls](int rotation, int code) {
        ++calls;
        return TestTilePicture(rotation, code);
    });
    EnsureGuiApplication();
    Editor editor = MakeTestEditor(16, 64);
    RecordingShell shell;
    QImage image(1024, 1024, QImage::Format_RGB32);
    QPainter qpainter(&image);
    for (const int size : {16, 16, 32}) {
        editor.view.TilePixels = size;
        painter.PaintTextureView(qpainter, image.size(), editor, shell);
    }
    EXPECT_EQ(calls, 2 * 4 * 59);
}

} // namespace

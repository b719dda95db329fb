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
    editor.view.ViewOriginRow = 0;
    RecordingShell shell;
    const QImage image = RenderTextureView(editor, shell);

    const int lastInside = cells / 2 - 1;
    EXPECT_EQ(image.pixel(0, 0), TestTileColour(0, 7));
    EXPECT_EQ(image.pixel(lastInside * size + size - 1, size - 1), TestTileColour(0, 7));
    EXPECT_EQ(image.pixel((lastInside + 1) * size, 0), Magenta());
    EXPECT_EQ(image.pixel(cells * size - 1, cells * size - 1), Magenta());
    // Pixels right of and below the block are not painted.
    if (cells * size < 1024)
        EXPECT_EQ(image.pixel(1023, 1023), qRgb(128, 128, 128));

    editor.view.ViewOriginColumn = 0;
    const QImage turned = RenderTextureView(editor, shell);
    EXPECT_EQ(turned.pixel(2 * size + size / 2, size + size / 2), TestTileColour(3, 41));
    EXPECT_EQ(turned.pixel(2 * size - 1, size + size / 2), TestTileColour(0, 7));
}

INSTANTIATE_TEST_SUITE_P(AllZoomSteps, TextureViewTiles,
                         testing::Values(ZoomStep{256, 4}, ZoomStep{128, 8}, ZoomStep{96, 10},
                                         ZoomStep{64, 16}, ZoomStep{32, 32}, ZoomStep{16, 64}));

TEST(TextureViewPainter, OriginAtColumn630At50PercentShowsTenColumnsOfTiles) {
    Editor editor = MakeTestEditor(32, 32);
    editor.view.ViewOriginColumn = 630;
    RecordingShell shell;
    const QImage image = RenderTextureView(editor, shell);
    for (int column = 0; column < 32; ++column) {
        const QRgb expected = column < 10 ? TestTileColour(0, 7) : Magenta();
        EXPECT_EQ(image.pixel(column * 32 + 16, 500), expected) << "view column " << column;
    }
}

TEST(TextureViewPainter, GridFramesLieInsideCellsButNotOnCodesWithoutPicture) {
    Editor editor = MakeTestEditor(32, 32);
    editor.flags.ShowGridlines = 1;
    editor.tileMap.Set(0, 1, MakeCell(0, 60));
    editor.view.ViewOriginRow = 319; // view row 1 and below are outside the map
    editor.tileMap.Set(319, 1, MakeCell(0, 60));
    RecordingShell shell;
    const QImage image = RenderTextureView(editor, shell);

    const QRgb black = qRgb(0, 0, 0);
    // A tile cell: frame on its four edges, picture inside.
    EXPECT_EQ(image.pixel(0, 0), black);
    EXPECT_EQ(image.pixel(31, 16), black);
    EXPECT_EQ(image.pixel(16, 31), black);
    EXPECT_EQ(image.pixel(1, 1), TestTileColour(0, 7));
    EXPECT_EQ(image.pixel(30, 30), TestTileColour(0, 7));
    // Code 60: magenta to the very edge.
    EXPECT_EQ(image.pixel(32, 0), Magenta());
    EXPECT_EQ(image.pixel(63, 31), Magenta());
    // Outside the map: magenta with a frame.
    EXPECT_EQ(image.pixel(32, 32), black);
    EXPECT_EQ(image.pixel(63, 63), black);
    EXPECT_EQ(image.pixel(33, 33), Magenta());
}

TEST(TextureViewPainter, MissingPictureKeepsTheOldPixelsAndStillGetsItsFrame) {
    Editor editor = MakeTestEditor(64, 16);
    editor.flags.ShowGridlines = 1;
    RecordingShell shell;
    const QImage image = RenderTextureView(editor, shell, [](int rotation, int code) {
        return code == 7 ? QImage() : TestTilePicture(rotation, code);
    });
    EXPECT_EQ(image.pixel(32, 32), qRgb(128, 128, 128));
    EXPECT_EQ(image.pixel(0, 32), qRgb(0, 0, 0));
}

TEST(TextureViewPainter, WithoutTileMapShowsOnlyTheMessageOnWhite) {
    Editor editor;
    editor.flags.ShowLatLong = 1;
    editor.VertexMode = 1;
    RecordingShell shell;
    const QImage image = RenderTextureView(editor, shell);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(1023, 1023), qRgb(255, 255, 255));
    int dark = 0;
    for (int x = 0; x < 1024; ++x)
        dark += qGray(image.pixel(x, 512)) < 128 ? 1 : 0;
    EXPECT_GT(dark, 3) << "the centred text crosses the middle row";
    for (int y = 0; y < 1024; y += 7)
        EXPECT_EQ(image.pixel(16, y), qRgb(255, 255, 255)) << "no text or lines at the left";
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
    painter.PaintTextureView(qpainter, image.size(), editor, shell);
    painter.PaintTextureView(qpainter, image.size(), editor, shell);
    EXPECT_EQ(calls, 4 * 59);
    editor.view.TilePixelWidth = editor.view.TilePixelHeight = 32;
    painter.PaintTextureView(qpainter, image.size(), editor, shell);
    EXPECT_EQ(calls, 2 * 4 * 59);
}

} // namespace

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
    editor.document.SetTile(1, 2, MakeCell(3, 41));
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

TEST(TextureViewPainter, GridFramesLieInsideCellsButNotOnCodesWithoutPicture) {
    Editor editor = MakeTestEditor(32, 32);
    editor.flags.ShowGridlines = true;
    editor.view.ViewOriginRow = 319; // view row 1 and below are outside the map
    editor.document.SetTile(319, 1, MakeCell(0, 60));
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

// Tiles written straight into the image must match painting them cell by cell, whatever the
// zoom, origin, grid, image format or painter offset.
TEST(TextureViewPainter, DirectTilesMatchCellByCellPainting) {
    EnsureGuiApplication();
    Editor editor = MakeTestEditor(16, 64);
    std::vector<TileCell> cells(MapCellCount);
    for (size_t i = 0; i < cells.size(); ++i)
        cells[i] = MakeCell(static_cast<int>(i * 7 % 4), static_cast<int>(i * 13 % 64));
    editor.document.ReplaceTiles(std::move(cells));
    struct Case {
        int size, cells, column, row;
        QImage::Format format;
        QPoint offset;
    };
    const Case cases[] = {{16, 64, 600, 300, QImage::Format_RGB32, {}},
                          {32, 32, -3, 5, QImage::Format_ARGB32_Premultiplied, {}},
                          {64, 16, 630, 310, QImage::Format_RGB32, {7, -20}},
                          {96, 10, 100, 100, QImage::Format_RGB32, {}},
                          {128, 8, 5, 0, QImage::Format_RGB32, {-100, 33}},
                          {256, 4, 636, 318, QImage::Format_RGB32, {}}};
    for (const Case& c : cases) {
        editor.view.TilePixels = c.size;
        editor.view.ViewCells = c.cells;
        editor.view.ViewOriginColumn = c.column;
        editor.view.ViewOriginRow = c.row;
        for (const int grid : {0, 1}) {
            editor.flags.ShowGridlines = grid;
            QImage images[2];
            for (int cellByCell = 0; cellByCell < 2; ++cellByCell) {
                // Code 7 has no picture: the old pixels stay, or a given colour covers them.
                TextureViewPainter view([](int rotation, int code) {
                    return code == 7 ? QImage() : TestTilePicture(rotation, code);
                });
                view.SetCellByCell(cellByCell != 0);
                if (grid)
                    view.SetBackgroundColour(QColor(1, 2, 3));
                images[cellByCell] = QImage(1100, 1100, c.format);
                images[cellByCell].fill(Grey);
                QPainter painter(&images[cellByCell]);
                painter.translate(c.offset);
                RecordingShell shell;
                view.PaintTextureView(painter, QSize(1024, 1024), editor, shell);
            }
            EXPECT_TRUE(images[0] == images[1])
                << "zoom " << c.size << " origin " << c.column << "," << c.row << " grid " << grid;
        }
    }
}

} // namespace

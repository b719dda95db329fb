// Frames of the 3D view read back from a real OpenGL context: clear colour and lit terrain,
// tile pictures turned by rotation, the grid, seamless cells and the batched textured pass
// against the per-quad one.

#include "TerrainViewFixture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QScreen>

#include <algorithm>
#include <array>
#include <tuple>

namespace {

using TerrainRendering = TerrainViewFixture;

int CountPixels(const QImage& image, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

TEST_F(TerrainRendering, SkyIsTheClearColourAndTheLitBlockSitsInTheMiddle) {
    ShowView();
    BuildFlatBlock(8, 20000, MakeCell(0, 22));
    window->DrawTerrainFrame();
    // What reached the screen (a context made while hidden must still show its frames) and
    // the frame itself: sky in the corners, the block on the eye's axis. The window system
    // shows the frame when it is ready, so wait for the sky to reach the screen.
    QImage onScreen;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            onScreen = window->screen()->grabWindow(window->winId()).toImage();
            return !onScreen.isNull() && IsClearColour(onScreen.pixel(2, 2));
        },
        5000));
    const QImage textured = Frame();
    for (const QImage& image : {onScreen, textured}) {
        ASSERT_EQ(image.size(), window->size());
        EXPECT_TRUE(IsClearColour(image.pixel(2, 2)));
        EXPECT_TRUE(IsClearColour(image.pixel(image.width() - 3, image.height() - 3)));
        EXPECT_FALSE(IsClearColour(image.pixel(image.width() / 2, image.height() / 2)));
    }
    // Without textures only the grey material under the light shows.
    editor.flags.ShowTextures = false;
    const QRgb grey = Frame().pixel(window->width() / 2, window->height() / 2);
    EXPECT_TRUE(qRed(grey) == qGreen(grey) && qGreen(grey) == qBlue(grey));
    EXPECT_GT(qRed(grey), 100);
    EXPECT_NE(grey, textured.pixel(window->width() / 2, window->height() / 2));
}

using Quarters = std::array<std::array<uint8_t, 3>, 4>;

// Gives a tile a picture of four quarters, by default red top left, green top right, blue
// bottom left, yellow bottom right (rows bottom-up, as tile pictures are stored).
void PaintQuarterTexture(TerrainViewWindow& window, int code,
                         const Quarters& colours = {
                             {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}}}) {
    constexpr int Size = 64;
    std::vector<uint8_t> rgb;
    for (int row = 0; row < Size; ++row)
        for (int x = 0; x < Size; ++x) {
            const auto& colour = colours[(row >= Size / 2 ? 0 : 2) + (x < Size / 2 ? 0 : 1)];
            rgb.insert(rgb.end(), colour.begin(), colour.end());
        }
    window.MakeContextCurrent();
    glBindTexture(GL_TEXTURE_2D, window.Renderer().Textures().TextureOf(code));
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, Size, Size, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    window.ReleaseContext();
}

char ColourName(QRgb pixel) {
    const int key =
        (qRed(pixel) > 100 ? 4 : 0) + (qGreen(pixel) > 100 ? 2 : 0) + (qBlue(pixel) > 100 ? 1 : 0);
    return "?BG?R?Y?"[key];
}

TEST_F(TerrainRendering, RotationsTurnTheTilePictureClockwiseAndTheGridOutlinesQuads) {
    ShowView();
    constexpr int Code = 30;
    PaintQuarterTexture(*window, Code);
    LookStraightDown();
    // Top left, top right, bottom left, bottom right quarters of the cell on screen.
    const std::array<std::string, 4> expected{"RGBY", "BRYG", "YBGR", "GYRB"};
    for (int rotation = 0; rotation < 4; ++rotation) {
        BuildFlatBlock(2, 0, MakeCell(rotation, Code)); // one quad, (-64, -64) to (0, 0)
        const QImage frame = Frame();
        std::string seen;
        for (const auto& [x, z] : {std::pair{-48, -48}, {-16, -48}, {-48, -16}, {-16, -16}})
            seen += ColourName(frame.pixel(GroundPixel(x, z)));
        EXPECT_EQ(seen, expected[rotation]) << "rotation " << rotation;
    }

    // The grid draws red outlines over the untextured terrain, and only while it is on.
    editor.flags.ShowTextures = false;
    BuildFlatBlock(4, 0, MakeCell(0, 22));
    EXPECT_EQ(CountPixels(Frame(), IsGridRed), 0);
    editor.flags.Show3DGrid = true;
    const QImage frame = Frame();
    EXPECT_GT(CountPixels(frame, IsGridRed), 500);
    const QPoint onLine = GroundPixel(-64, -32); // the line between the first two quads
    EXPECT_TRUE(IsGridRed(frame.pixel(onLine)) || IsGridRed(frame.pixel(onLine - QPoint(1, 0))));
    EXPECT_FALSE(IsGridRed(frame.pixel(GroundPixel(-96, -96))));
    editor.flags.Show3DGrid = false; // lighting is back on after the grid
    EXPECT_EQ(CountPixels(Frame(), IsGridRed), 0);
}

// Cells of one plain picture meet without a seam: the filter must not blend a border colour
// into the edge texels (GL_CLAMP does, drawing a dark line around every cell).
TEST_F(TerrainRendering, CellsOfAPlainPictureMeetWithoutSeams) {
    ShowView();
    constexpr int Code = 30;
    const std::array<uint8_t, 3> white{255, 255, 255};
    PaintQuarterTexture(*window, Code, {white, white, white, white});
    LookStraightDown();
    BuildFlatBlock(4, 0, MakeCell(0, Code));
    const QImage frame = Frame();
    const int inside = qRed(frame.pixel(GroundPixel(-32, -32)));
    ASSERT_GT(inside, 100);
    // The darkest pixel across each boundary between the first quads.
    for (const auto& [x, z, step] : {std::tuple{-64, -32, QPoint(1, 0)},
                                     {-64, -96, QPoint(1, 0)},
                                     {-32, -64, QPoint(0, 1)},
                                     {-96, -64, QPoint(0, 1)}}) {
        const QPoint edge = GroundPixel(x, z);
        int darkest = 255;
        for (const QPoint& p : {edge - step, edge, edge + step})
            darkest = std::min(darkest, qRed(frame.pixel(p)));
        EXPECT_NEAR(darkest, inside, 8) << x << ", " << z;
    }
}

TEST_F(TerrainRendering, BatchedTexturedPassDrawsTheSamePictureAsOneCallPerQuad) {
    ShowView();
    // North-south ridges keep every quad flat in itself, so no driver's choice of diagonal
    // can change the picture; tiles and rotations change from cell to cell.
    std::vector<uint16_t> heights(MapCellCount);
    std::vector<TileCell> tiles(MapCellCount);
    for (int i = 0; i < MapCellCount; ++i) {
        const int column = i % MapWidth;
        heights[i] = static_cast<uint16_t>(((column * 7919) % 13) * 3000);
        tiles[i] = MakeCell((column + i / MapWidth / 3) % 4, (column * 5 + i / MapWidth * 11) % 64);
    }
    editor.document.ReplaceHeights(heights);
    editor.document.ReplaceTiles(tiles);
    editor.camera.CameraDistance = -900.0f;
    editor.camera.CameraAzimuth = 30.0f;
    BuildBlock(16, -4, -3); // partly outside the map: tile 58 there

    window->SetTexturedPass(TexturedPass::PerQuad);
    const QImage perQuad = Frame();
    window->SetTexturedPass(TexturedPass::Batched);
    const QImage batched = Frame();
    ASSERT_EQ(perQuad.size(), batched.size());
    // Equal up to the rounding of interpolated colours (one level here and there).
    int largestDifference = 0;
    for (int y = 0; y < perQuad.height(); ++y)
        for (int x = 0; x < perQuad.width(); ++x) {
            const QRgb a = perQuad.pixel(x, y), b = batched.pixel(x, y);
            largestDifference = std::max({largestDifference, qAbs(qRed(a) - qRed(b)),
                                          qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LE(largestDifference, 2);
    EXPECT_GT(batched.width() * batched.height() - CountPixels(batched, IsClearColour), 50000);
}

} // namespace

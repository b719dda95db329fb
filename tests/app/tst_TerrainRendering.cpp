// Frames of the 3D view read back from a real OpenGL context: clear colour, lit terrain,
// textures turned by rotation, the grid, the batched textured pass against the per-quad one,
// and the sphere cache of the pointer marker.

#include "TerrainViewFixture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QScreen>

#include <array>
#include <cmath>

namespace {

class TerrainRendering : public TerrainViewFixture {};

int CountPixels(const QImage& image, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

TEST_F(TerrainRendering, EmptySkyShowsTheClearColourAndTheBlockSitsInTheMiddle) {
    ShowView();
    BuildFlatBlock(8, 20000, MakeCell(0, 22));
    const QImage frame = Frame();
    ASSERT_EQ(frame.size(), window->size());
    EXPECT_TRUE(IsClearColour(frame.pixel(2, 2)));
    EXPECT_TRUE(IsClearColour(frame.pixel(frame.width() - 3, frame.height() - 3)));
    // The block is centred on the eye's axis; an 8 x 8 block covers the middle of the view.
    EXPECT_FALSE(IsClearColour(frame.pixel(frame.width() / 2, frame.height() / 2)));
    EXPECT_GT(window->FramesDrawn(), 0);
}

TEST_F(TerrainRendering, FramesReachTheScreenAfterTheHiddenStart) {
    ShowView();
    BuildFlatBlock(8, 20000, MakeCell(0, 22));
    window->DrawTerrainFrame();
    QTest::qWait(200);
    const QImage onScreen = window->screen()->grabWindow(window->winId()).toImage();
    ASSERT_FALSE(onScreen.isNull());
    EXPECT_TRUE(IsClearColour(onScreen.pixel(2, 2)));
    EXPECT_FALSE(IsClearColour(onScreen.pixel(onScreen.width() / 2, onScreen.height() / 2)));
}

TEST_F(TerrainRendering, UntexturedTerrainShowsOnlyTheLitGreyMaterial) {
    ShowView();
    editor.flags.ShowTextures = 0;
    BuildFlatBlock(8, 20000, MakeCell(0, 22));
    const QRgb middle = Frame().pixel(window->width() / 2, window->height() / 2);
    EXPECT_EQ(qRed(middle), qGreen(middle));
    EXPECT_EQ(qGreen(middle), qBlue(middle));
    EXPECT_GT(qRed(middle), 100); // ambient and diffuse light on a grey material
    EXPECT_LT(qRed(middle), 255);

    editor.flags.ShowTextures = 1;
    const QRgb textured = Frame().pixel(window->width() / 2, window->height() / 2);
    EXPECT_NE(textured, middle);
    EXPECT_FALSE(IsClearColour(textured));
}

// Replaces a tile's texture by a picture of four coloured quarters: red top left, green top
// right, blue bottom left, yellow bottom right (rows bottom-up, as the pictures are stored).
void PaintQuarterTexture(TerrainViewWindow& window, int code) {
    constexpr int Size = 64;
    std::vector<uint8_t> rgb;
    for (int row = 0; row < Size; ++row) {
        const bool top = row >= Size / 2;
        for (int x = 0; x < Size; ++x) {
            const bool left = x < Size / 2;
            const std::array<uint8_t, 3> colour =
                top ? (left ? std::array<uint8_t, 3>{255, 0, 0} : std::array<uint8_t, 3>{0, 255, 0})
                    : (left ? std::array<uint8_t, 3>{0, 0, 255}
                            : std::array<uint8_t, 3>{255, 255, 0});
            rgb.insert(rgb.end(), colour.begin(), colour.end());
        }
    }
    window.makeCurrent();
    glBindTexture(GL_TEXTURE_2D, window.Renderer().Textures().TextureOf(code));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, Size, Size, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    window.doneCurrent();
}

char ColourName(QRgb pixel) {
    const bool red = qRed(pixel) > 100;
    const bool green = qGreen(pixel) > 100;
    const bool blue = qBlue(pixel) > 100;
    if (red && green && !blue) {
        return 'Y';
    }
    if (red && !green && !blue) {
        return 'R';
    }
    if (!red && green && !blue) {
        return 'G';
    }
    if (!red && !green && blue) {
        return 'B';
    }
    return '?';
}

TEST_F(TerrainRendering, EachRotationTurnsTheTilePictureClockwise) {
    ShowView();
    constexpr int Code = 30;
    PaintQuarterTexture(*window, Code);
    LookStraightDown();
    // Quarters of the picture as seen on screen (top left, top right, bottom left, bottom
    // right) for rotations 0 to 3: a quarter turn clockwise per step.
    const std::array<std::string, 4> expected{"RGBY", "BRYG", "YBGR", "GYRB"};
    for (int rotation = 0; rotation < 4; ++rotation) {
        // A 2 x 2 window holds one quad: the cell from (-64, -64) to (0, 0).
        BuildFlatBlock(2, 0, MakeCell(rotation, Code));
        const QImage frame = Frame();
        std::string seen;
        for (const auto& [x, z] : {std::pair{-48, -48}, {-16, -48}, {-48, -16}, {-16, -16}}) {
            seen += ColourName(frame.pixel(GroundPixel(x, z)));
        }
        EXPECT_EQ(seen, expected[rotation]) << "rotation " << rotation;
    }
}

TEST_F(TerrainRendering, GridDrawsRedOutlinesOverTheTerrain) {
    ShowView();
    editor.flags.ShowTextures = 0;
    LookStraightDown();
    BuildFlatBlock(4, 0, MakeCell(0, 22));
    EXPECT_EQ(CountPixels(Frame(), IsGridRed), 0);

    editor.flags.Show3DGrid = 1;
    const QImage frame = Frame();
    EXPECT_GT(CountPixels(frame, IsGridRed), 500);
    // The line between the first two quads of the middle row runs through x = -64.
    const QPoint onLine = GroundPixel(-64, -32);
    bool red_near_line = false;
    for (int dx = -1; dx <= 1; ++dx) {
        red_near_line = red_near_line || IsGridRed(frame.pixel(onLine.x() + dx, onLine.y()));
    }
    EXPECT_TRUE(red_near_line);
    EXPECT_FALSE(IsGridRed(frame.pixel(GroundPixel(-96, -96))));
    // After the grid the lighting is back on: the next frame without it is grey again.
    editor.flags.Show3DGrid = 0;
    EXPECT_EQ(CountPixels(Frame(), IsGridRed), 0);
}

TEST_F(TerrainRendering, BatchedTexturedPassDrawsTheSamePictureAsOneCallPerQuad) {
    ShowView();
    // Ridges running north-south keep every quad flat in itself, so no driver's choice of
    // diagonal can change the picture; tiles and rotations change from cell to cell.
    std::vector<uint16_t> heights(MapCellCount);
    std::vector<TileCell> tiles(MapCellCount);
    for (int i = 0; i < MapCellCount; ++i) {
        const int column = i % MapWidth;
        const int row = i / MapWidth;
        heights[i] = static_cast<uint16_t>(((column * 7919) % 13) * 3000);
        tiles[i] = MakeCell((column + row / 3) % 4, (column * 5 + row * 11) % 64);
    }
    editor.heightMap.Replace(heights);
    editor.tileMap.Replace(tiles);
    editor.camera.CameraDistance = -900.0f;
    editor.camera.CameraAzimuth = 30.0f;
    // The block reaches past the map's top-left corner, so tile 58 fills part of it.
    BuildBlock(16, -4, -3);

    window->SetTexturedPass(TexturedPass::PerQuad);
    const QImage perQuad = Frame();
    window->SetTexturedPass(TexturedPass::Batched);
    const QImage batched = Frame();
    ASSERT_EQ(perQuad.size(), batched.size());
    // Equal up to the rounding of interpolated colours (one level in a channel here and there).
    int largestDifference = 0;
    for (int y = 0; y < perQuad.height(); ++y) {
        for (int x = 0; x < perQuad.width(); ++x) {
            const QRgb a = perQuad.pixel(x, y);
            const QRgb b = batched.pixel(x, y);
            largestDifference = std::max({largestDifference, qAbs(qRed(a) - qRed(b)),
                                          qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
        }
    }
    EXPECT_LE(largestDifference, 2);
    EXPECT_GT(batched.width() * batched.height() - CountPixels(batched, IsClearColour), 50000);
}

struct Projection {
    std::array<GLint, 4> viewport{};
    std::array<GLdouble, 16> matrix{};
};

Projection CurrentProjection() {
    Projection projection;
    glGetIntegerv(GL_VIEWPORT, projection.viewport.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.matrix.data());
    return projection;
}

// The entries of a perspective matrix that tell its field of view, aspect and planes.
void ExpectPerspective(const Projection& p, double fovY, double aspect, double zNear, double zFar) {
    const double f = 1.0 / std::tan(fovY * 3.14159265358979 / 360.0);
    EXPECT_NEAR(p.matrix[5], f, 1e-6);
    EXPECT_NEAR(p.matrix[0], f / aspect, 1e-6);
    EXPECT_NEAR(p.matrix[10], (zFar + zNear) / (zNear - zFar), 1e-6);
    EXPECT_NEAR(p.matrix[14], 2 * zFar * zNear / (zNear - zFar), 1e-6);
}

TEST_F(TerrainRendering, WindowSizeSetsA45DegreeProjectionAndTheStartOneIs30Degrees) {
    window->makeCurrent();
    ReshapeTerrainView(640, 480);
    Projection projection = CurrentProjection();
    EXPECT_EQ(projection.viewport, (std::array<GLint, 4>{0, 0, 640, 480}));
    ExpectPerspective(projection, 45.0, 640.0 / 480.0, 0.5, 100000.0);

    ReshapeTerrainView(300, 0); // a window dragged flat: no division by zero
    ExpectPerspective(CurrentProjection(), 45.0, 1.0, 0.5, 100000.0);

    SetStartProjection();
    projection = CurrentProjection();
    EXPECT_EQ(projection.viewport, (std::array<GLint, 4>{0, 0, 650, 550}));
    ExpectPerspective(projection, 30.0, 1.0, 0.1, 100.0);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    window->doneCurrent();
}

TEST_F(TerrainRendering, SphereCacheCompilesOneDisplayListPerRadius) {
    window->makeCurrent();
    SphereCache& spheres = window->Renderer().Spheres();
    ASSERT_EQ(spheres.ListCount(), 0);
    spheres.DrawSolidSphere(8.0);
    spheres.DrawSolidSphere(8.0);
    EXPECT_EQ(spheres.ListCount(), 1);
    spheres.DrawSolidSphere(4.0);
    EXPECT_EQ(spheres.ListCount(), 2);
    spheres.DrawSolidSphere(8.0);
    spheres.DrawSolidSphere(4.0);
    EXPECT_EQ(spheres.ListCount(), 2);
    spheres.DrawSolidSphere(0.0); // no sphere to draw and nothing kept
    EXPECT_EQ(spheres.ListCount(), 2);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    window->doneCurrent();
}

TEST_F(TerrainRendering, PointerMarkerFrameKeepsTheMatrixStackBalanced) {
    ShowView();
    BuildFlatBlock(4, 20000, MakeCell(0, 22));
    editor.cursor.PointerIn3D = 1;
    const QImage first = Frame();
    const QImage second = Frame();
    EXPECT_EQ(window->Renderer().Spheres().ListCount(), 1);
    EXPECT_EQ(first, second);
    window->makeCurrent();
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    window->doneCurrent();
    editor.cursor.PointerIn3D = 0;
}

} // namespace

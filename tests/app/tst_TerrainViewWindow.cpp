// The 3D view window: a picture that cannot be read, drawing only while shown (and after an
// edit inside its window), Escape, camera drags and the pointer hand-over.

#include "TerrainViewFixture.h"
#include "core/mesh/PointerMarker.h"
#include "support/TempDir.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#include <filesystem>
#include <fstream>

namespace {

using TerrainViewWindowTest = TerrainViewFixture;

TEST(TerrainTextures, UnreadablePictureGetsThePlaceholderAfterItsMessage) {
    // The current folder is searched first, so a broken picture there shadows the bundled one.
    TempDir folder;
    std::filesystem::create_directories(folder.path() / "tiles");
    std::ofstream(folder.path() / "tiles" / "QZGrass.bmp") << "not a bitmap";
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    Editor editor;
    RecordingShell shell;
    TerrainViewWindow window(editor, shell);
    const int result = window.InitTerrainView();
    std::filesystem::current_path(previous);

    EXPECT_EQ(result, 0);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].caption, "Error");
    for (int code = 0; code < TileCatalogueSize; ++code)
        EXPECT_EQ(window.Renderer().Textures().IsPlaceholder(code),
                  TileFileName(code) == "Grass.bmp");
}

TEST_F(TerrainViewWindowTest, DrawsOnlyWhenShownAndAfterAnEditInsideItsWindow) {
    editor.flags.Show3DView = true;
    window->DrawTerrainFrame();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->FramesDrawn(), 0);
    ShowView();
    const int frames = window->FramesDrawn();
    editor.flags.Show3DView = false;
    window->grabFramebuffer();
    EXPECT_EQ(window->FramesDrawn(), frames);

    // An edit inside the 3D window brings a frame that shows it.
    editor.flags.Show3DView = true;
    BuildFlatBlock(16, 0, MakeCell(0, 22));
    QSignalSpy swapped(window.get(), &TerrainViewWindow::frameSwapped);
    editor.document.SetHeight(CellIndex(105, 107), 65535); // corner 0 of quad (7, 5)
    ASSERT_TRUE(swapped.wait(5000));
    EXPECT_FLOAT_EQ(editor.mesh.quads[5 * 15 + 7].vertices[0].position[1], 255.0f);
}

TEST_F(TerrainViewWindowTest, EscapeEndsTheProgramUnlessUnsavedWorkIsKept) {
    ShowView();
    editor.document.ReplaceHeights(std::vector<uint16_t>(MapCellCount, 9)); // in no file
    QTimer::singleShot(0, window.get(), [this] { QTest::keyClick(window.get(), Qt::Key_Escape); });
    QTimer::singleShot(200, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QCoreApplication::exec(), 99) << "the question was answered: keep working";
    ASSERT_EQ(shell.questions.size(), 1u);
    EXPECT_EQ(shell.questions[0].owner, WindowId::TerrainView);

    shell.AnswerNextQuestion(true);
    QTimer::singleShot(0, window.get(), [this] { QTest::keyClick(window.get(), Qt::Key_Escape); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST_F(TerrainViewWindowTest, DragsTurnOrMoveTheCameraAndAnyReleaseEndsThem) {
    ShowView();
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(300, 100));
    EXPECT_EQ(window->DragButtons(), 2);
    QTest::mouseMove(window.get(), QPoint(290, 300)); // 0.9 degrees per pixel
    EXPECT_FLOAT_EQ(editor.camera.CameraAzimuth, 9.0f);
    EXPECT_FLOAT_EQ(editor.camera.CameraElevation, 35.0f - 180.0f);
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(290, 300));
    window->grabFramebuffer(); // the frame clamps the elevation
    EXPECT_FLOAT_EQ(editor.camera.CameraElevation, 5.0f);

    QTest::mousePress(window.get(), Qt::RightButton, {}, QPoint(100, 100));
    QTest::mouseMove(window.get(), QPoint(100, 110));
    EXPECT_FLOAT_EQ(editor.camera.CameraDistance, -620.0f);
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(100, 110));
    EXPECT_EQ(window->DragButtons(), 3); // both buttons still move the camera
    QTest::mouseMove(window.get(), QPoint(100, 105));
    EXPECT_FLOAT_EQ(editor.camera.CameraDistance, -610.0f);
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(100, 105));
    EXPECT_EQ(window->DragButtons(), 0);
    QTest::mouseMove(window.get(), QPoint(100, 50));
    EXPECT_FLOAT_EQ(editor.camera.CameraDistance, -610.0f);
}

TEST_F(TerrainViewWindowTest, PointerHandOverShowsAStillMarkerAndComesBackAtTheRightEdge) {
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    editor.cursor.PointerIn3D = true; // set by the main window before it hands over
    const QPoint start = QCursor::pos();
    window->TakePointer(200); // a hidden view could never give it back: declined
    EXPECT_EQ(editor.cursor.PointerIn3D, false);
    EXPECT_EQ(QCursor::pos(), start);

    ShowView();
    BuildFlatBlock(16, 20000, MakeCell(0, 22));
    LookStraightDown();
    // The pointer left the texture view over cell (8, 8) of the block, at 32 pixels a cell.
    editor.view.TilePixels = 32;
    editor.cursor.MouseX = 8 * 32 + 5;
    editor.cursor.MouseY = 8 * 32 + 5;
    const Vector3 ground =
        PointerMarkerPosition(editor.mesh, 16, 32, editor.cursor.MouseX, editor.cursor.MouseY);
    EXPECT_NEAR(ground[1], 20000 * 255.0 / 65535, 0.01); // on the terrain, not in the air
    const auto redNear = [&](const QImage& frame) {
        const QPoint centre = GroundPixel(ground[0], ground[2]);
        int red = 0;
        for (int y = centre.y() - 24; y <= centre.y() + 24; ++y)
            for (int x = centre.x() - 24; x <= centre.x() + 24; ++x)
                red += frame.rect().contains(x, y) && IsGridRed(frame.pixel(x, y));
        return red;
    };
    EXPECT_EQ(redNear(Frame()), 0);
    editor.cursor.PointerIn3D = true;
    window->TakePointer(200);
    EXPECT_EQ(QCursor::pos(), QPoint(screenWidth - 5, 200));
    EXPECT_EQ(window->cursor().shape(), Qt::BlankCursor);
    EXPECT_GT(redNear(Frame()), 20);
    // The marker stands still, so an idle view draws no frames.
    QTest::qWait(50);
    const int idle = window->FramesDrawn();
    QTest::qWait(200);
    EXPECT_EQ(window->FramesDrawn(), idle);

    // A real move to the right edge: the window system reports it when it is ready, so wait.
    QCursor::setPos(screenWidth - 1, 220);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !editor.cursor.PointerIn3D; }, 5000));
    EXPECT_EQ(QCursor::pos(), QPoint(5, 220));
    EXPECT_NE(window->cursor().shape(), Qt::BlankCursor);
    EXPECT_EQ(redNear(Frame()), 0); // the marker goes with the pointer

    editor.cursor.PointerIn3D = true;
    window->TakePointer(300);
    window->hide(); // a hidden window gets no moves: it gives the pointer back at once
    EXPECT_EQ(editor.cursor.PointerIn3D, false);
    EXPECT_EQ(QCursor::pos(), QPoint(5, 300));
}

} // namespace

// The tool palette: its place and buttons, the choice made while a button is held, the
// mode buttons through the dispatcher, and keys handed on to the main window.

#include "SessionFixture.h"

#include "app/PaletteButton.h"
#include "app/ToolPalette.h"

#include <QWheelEvent>

namespace {

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

class ToolPaletteTest : public SessionFixture {
  protected:
    ToolPalette& palette() { return *session->Palette(); }
    PaletteButton& Button(int k) { return *palette().Button(k); }
};

} // namespace

TEST_F(ToolPaletteTest, StaysAtTheCornerThroughResizesAndInReachWhenDragged) {
    main().showNormal();
    for (const QSize size : {QSize(900, 600), QSize(1200, 900)}) {
        main().resize(size);
        Settle();
        EXPECT_EQ(palette().geometry().right(), main().View().width() - 1);
        EXPECT_EQ(palette().y(), 0);
    }
    // Dragged by its caption far past the corner, it stops where its caption can be reached.
    QTest::mousePress(&palette(), Qt::LeftButton, {}, QPoint(40, 6));
    QTest::mouseMove(&palette(), QPoint(4000, 4000));
    QTest::mouseRelease(&palette(), Qt::LeftButton, {}, QPoint(4000, 4000));
    main().resize(700, 500);
    Settle();
    EXPECT_TRUE(main().View().rect().contains(palette().geometry().topLeft() + QPoint(4, 4)));

    // The window is now shorter than the palette: the wheel brings its last row into view and
    // then its caption back.
    ASSERT_GT(palette().height(), main().View().height());
    const auto wheel = [&](int notches) {
        for (int i = 0; i < std::abs(notches); ++i) {
            QWheelEvent event(QPointF(20, 20), palette().mapToGlobal(QPointF(20, 20)), QPoint(),
                              QPoint(0, notches < 0 ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(&palette(), &event);
        }
    };
    wheel(-40);
    EXPECT_EQ(palette().geometry().bottom(), main().View().height() - 1);
    wheel(40);
    EXPECT_TRUE(main().View().rect().contains(palette().geometry().topLeft() + QPoint(4, 4)));
}

TEST_F(ToolPaletteTest, TileButtonsChooseOnPressAndBlankOnesCodesBeyondTheCatalogue) {
    QTest::mousePress(&Button(2 + 12), Qt::LeftButton);
    EXPECT_EQ(editor().SelectedTile, 12);
    QTest::mouseRelease(&Button(2 + 12), Qt::LeftButton);
    Settle();
    EXPECT_EQ(editor().EditMode, ToolMode::TilePainting);
    QTest::mouseClick(&Button(63), Qt::LeftButton);
    EXPECT_EQ(editor().SelectedTile, 61);
}

TEST_F(ToolPaletteTest, ModeButtonsAndKeysSwitchTheToolThroughTheMainWindow) {
    QTest::mousePress(&Button(1), Qt::LeftButton);
    EXPECT_EQ(editor().PaletteMode, 1);
    QTest::mouseRelease(&Button(1), Qt::LeftButton);
    EXPECT_EQ(editor().EditMode, ToolMode::TilePainting); // the command is still queued
    Settle();
    EXPECT_EQ(editor().EditMode, ToolMode::HeightEditing);
    EXPECT_EQ(editor().VertexMode, true);
    QTest::mouseClick(&Button(0), Qt::LeftButton);
    Settle();
    EXPECT_EQ(editor().EditMode, ToolMode::TilePainting);
    EXPECT_EQ(editor().PaletteMode, 0);

    // Keys typed in the palette reach the main window, and mode keys repaint the buttons.
    PaintCounter counter;
    Button(1).installEventFilter(&counter);
    palette().setFocus();
    QTest::keyClick(&palette(), Qt::Key_F2);
    Settle();
    EXPECT_EQ(editor().EditMode, ToolMode::HeightEditing);
    EXPECT_EQ(editor().PaletteMode, 1);
    EXPECT_GT(counter.paints, 0);
    QTest::keyClick(&palette(), Qt::Key_F1);
    QTest::keyClick(&palette(), Qt::Key_Right);
    Settle();
    EXPECT_EQ(editor().EditMode, ToolMode::TilePainting);
    EXPECT_EQ(editor().view.ViewOriginColumn, 1);
}

TEST_F(ToolPaletteTest, ModeButtonsShowThePressedPictureOfTheCurrentMode) {
    PaletteImages pictures;
    LoadPaletteImages(pictures);
    const QImage& drawTileDown = pictures.images[PaletteButtonCount + 0];
    const QImage& heightUp = pictures.images[1];
    ASSERT_FALSE(drawTileDown.isNull() || heightUp.isNull());
    const QImage tileButton = Button(0).grab().toImage();
    const QImage heightButton = Button(1).grab().toImage();
    for (const QPoint at : {QPoint(10, 10), QPoint(24, 24), QPoint(40, 30)}) {
        EXPECT_EQ(tileButton.pixel(at), drawTileDown.pixel(at));
        EXPECT_EQ(heightButton.pixel(at), heightUp.pixel(at));
    }
}

TEST_F(ToolPaletteTest, SelectedTileCarriesTheHatchedFrame) {
    editor().SelectedTile = 4;
    const QImage plain = Button(2 + 3).grab().toImage();
    editor().SelectedTile = 3;
    const QImage framed = Button(2 + 3).grab().toImage();
    int black = 0;
    int changedInside = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            if (x == 0 || y == 0 || x == 47 || y == 47)
                black += framed.pixelColor(x, y) == Qt::black;
            else
                changedInside += framed.pixel(x, y) != plain.pixel(x, y);
        }
    EXPECT_GT(black, 20);
    EXPECT_LT(black, 4 * 47); // hatched, not solid
    EXPECT_EQ(changedInside, 0);
}

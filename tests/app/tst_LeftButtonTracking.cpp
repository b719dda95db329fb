// The held left button over the texture view: tracking ends with the button, height editing
// never starts it, and keys and the hand-over to the 3D view wait until the stroke has ended.

#include "SessionFixture.h"

#include "core/map/MapGeometry.h"

namespace {

class LeftButtonTracking : public SessionFixture {
  protected:
    void SetUp() override {
        SessionFixture::SetUp();
        editor().document.ReplaceTiles(std::vector<TileCell>(MapCellCount, 0));
        editor().SelectedTile = 7;
        tracker().leftButtonHeld = [this] { return held; };
        tracker().cursorPosition = [this] { return cursor; };
    }
    LeftButtonTracker& tracker() { return main().View().Tracker(); }

    // Presses over view cell (1, 0) at 50%, the pointer brought there by a mouse move.
    void PressOverCell() {
        cursor = {40, 10};
        MoveOverView(cursor);
        held = true;
        QTest::mousePress(&main().View(), Qt::LeftButton, Qt::NoModifier, cursor);
    }
    int CodeAt(int row, int column) { return editor().document.Tiles().At(row, column) & 63; }

    bool held = false;
    QPoint cursor;
};

} // namespace

TEST_F(LeftButtonTracking, ReleaseEndsTrackingFirstAndHeightEditingNeverStartsIt) {
    PressOverCell();
    held = false;
    QTest::mouseRelease(&main().View(), Qt::LeftButton, Qt::NoModifier, cursor);
    EXPECT_FALSE(tracker().IsActive());
    EXPECT_EQ(editor().cursor.LeftButtonDown, 0);

    editor().document.ReplaceTiles(std::vector<TileCell>(MapCellCount, 0));
    QTest::keyClick(&main().View(), Qt::Key_F2);
    PressOverCell(); // height editing acts once, without tracking
    EXPECT_FALSE(tracker().IsActive());
    EXPECT_EQ(CodeAt(0, 1), 0);
}

TEST_F(LeftButtonTracking, StrokeKeepsThePointerAndHoldsKeysBackUntilItEnds) {
    ASSERT_TRUE(session->TerrainView()->isVisible());
    const auto moveToScreenEdge = [this] {
        QMouseEvent move(QEvent::MouseMove, QPointF(cursor), QPointF(0, 300), Qt::NoButton,
                         held ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&main().View(), &move);
    };
    PressOverCell();
    moveToScreenEdge();
    EXPECT_EQ(editor().cursor.PointerIn3D, 0) << "no hand-over in the middle of a stroke";
    const int column = editor().view.ViewOriginColumn;
    QTest::keyClick(&main().View(), Qt::Key_Right);
    EXPECT_EQ(editor().view.ViewOriginColumn, column) << "no scrolling under the stroke";

    held = false;
    QTest::mouseRelease(&main().View(), Qt::LeftButton, Qt::NoModifier, cursor);
    QCoreApplication::processEvents();
    EXPECT_EQ(editor().view.ViewOriginColumn, column + 1) << "the held-back key, after the stroke";
    moveToScreenEdge();
    EXPECT_EQ(editor().cursor.PointerIn3D, 1);

    // Before any dialog opens, the 3D view gives the pointer back.
    shell.releasePointer();
    EXPECT_EQ(editor().cursor.PointerIn3D, 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

// The held left button over the texture view: readings come from a timer, the first one at
// once; a cell is painted from its second reading on; the end comes with the button.

#include "SessionFixture.h"

#include "app/TextureViewWidget.h"
#include "core/tilemap/MapGeometry.h"

#include <QMouseEvent>

namespace {

class LeftButtonTracking : public SessionFixture {
  protected:
    void SetUp() override {
        SessionFixture::SetUp();
        editor().tileMap.Replace(std::vector<TileCell>(MapCellCount, 0));
        editor().SelectedTile = 7;
        LeftButtonTracker& tracker = main().View().Tracker();
        tracker.leftButtonHeld = [this] { return held; };
        tracker.cursorPosition = [this] { return cursor; };
    }

    // Moves the pointer over the view as a mouse move would, and where the tracker reads it.
    void MoveTo(QPoint client) {
        cursor = client;
        QMouseEvent move(QEvent::MouseMove, client, main().View().mapToGlobal(client), Qt::NoButton,
                         held ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&main().View(), &move);
    }
    void Press() {
        held = true;
        QTest::mousePress(&main().View(), Qt::LeftButton, Qt::NoModifier, cursor);
    }
    // Lets the timer take one more reading.
    void WaitForReading() { QTest::qWait(2 * LeftButtonTracker::PollIntervalMs + 5); }
    int CodeAt(int row, int column) { return editor().tileMap.At(row, column) & 63; }

    bool held = false;
    QPoint cursor;
};

} // namespace

TEST_F(LeftButtonTracking, AClickWithoutMovementPaintsAtOnce) {
    MoveTo({40, 10}); // 50%: view cell (1, 0)
    Press();
    EXPECT_EQ(CodeAt(0, 1), 7);
    EXPECT_TRUE(main().View().Tracker().IsActive());
    EXPECT_EQ(editor().cursor.LeftButtonDown, 1);
}

TEST_F(LeftButtonTracking, ACellEnteredDuringTheDragIsPaintedFromItsSecondReading) {
    MoveTo({40, 10});
    Press();
    cursor = {40, 70}; // view cell (1, 2), read only by the tracker
    main().View().Tracker().Poll();
    EXPECT_EQ(CodeAt(2, 1), 0);
    WaitForReading();
    EXPECT_EQ(CodeAt(2, 1), 7);
}

TEST_F(LeftButtonTracking, TheReleaseEndsTrackingBeforeTheButtonUpReachesTheTool) {
    MoveTo({40, 10});
    Press();
    held = false;
    QTest::mouseRelease(&main().View(), Qt::LeftButton, Qt::NoModifier, cursor);
    EXPECT_FALSE(main().View().Tracker().IsActive());
    EXPECT_EQ(editor().cursor.LeftButtonDown, 0);
}

TEST_F(LeftButtonTracking, AButtonFoundUpByTheTimerEndsTracking) {
    MoveTo({40, 10});
    Press();
    held = false;
    WaitForReading();
    EXPECT_FALSE(main().View().Tracker().IsActive());
    // The event loop ran between the readings: nothing was held up.
    EXPECT_EQ(CodeAt(0, 1), 7);
}

TEST_F(LeftButtonTracking, HeightEditingActsOnceWithoutTracking) {
    QTest::keyClick(&main().View(), Qt::Key_F2);
    MoveTo({40, 10});
    Press();
    EXPECT_FALSE(main().View().Tracker().IsActive());
    EXPECT_EQ(CodeAt(0, 1), 0);
}

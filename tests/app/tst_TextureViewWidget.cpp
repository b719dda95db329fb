// The texture view as it appears in the main window: the empty view, the block of tiles
// with magenta beyond the map edge, and the cursor state kept from mouse moves.

#include "SessionFixture.h"

#include "core/map/MapGeometry.h"

namespace {

class TextureViewWidgetTest : public SessionFixture {
  protected:
    QImage Grab() { return main().View().grab().toImage(); }
};

// The area of every paint of a widget.
struct PaintedArea : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

const QColor Magenta(255, 0, 255);

} // namespace

TEST_F(TextureViewWidgetTest, PaintsTheMessageThenTheBlockWithMagentaBeyondTheMap) {
    QImage image = Grab();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
    int dark = 0; // the text sits around the centre of the client area
    for (int x = image.width() / 2 - 100; x < image.width() / 2 + 100; ++x)
        for (int y = image.height() / 2 - 8; y <= image.height() / 2 + 8; ++y)
            dark += image.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(dark, 20);

    editor().document.ReplaceTiles(std::vector<TileCell>(MapCellCount, 0));
    editor().view.ViewOriginColumn = 630;
    image = Grab();
    // At 50% columns 630-639 are tiles (view columns 0-9), the other 22 magenta.
    EXPECT_NE(image.pixelColor(9 * 32 + 16, 16), Magenta);
    EXPECT_EQ(image.pixelColor(31 * 32 + 31, 16), Magenta);
    // Right of the 1024-pixel block the window's grey background shows.
    if (image.width() > 1030) {
        EXPECT_EQ(image.pixelColor(1028, 16), QColor(128, 128, 128));
    }

    // A repaint of one area, straight into an image's pixels at an offset, matches the
    // whole view's picture there and leaves everything else alone.
    QImage part(image.size(), QImage::Format_RGB32);
    part.fill(Qt::cyan);
    const QRect area(250, 30, 300, 200);
    main().View().render(&part, QPoint(10, 20), QRegion(area));
    EXPECT_EQ(part.copy(QRect(QPoint(10, 20), area.size())),
              image.copy(area).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(part.pixelColor(9, 100), QColor(Qt::cyan));
    EXPECT_EQ(part.pixelColor(310, 100), QColor(Qt::cyan));
    EXPECT_EQ(part.pixelColor(100, 220), QColor(Qt::cyan));
}

TEST_F(TextureViewWidgetTest, MouseMovesKeepTheCursorStateAndFocusFollowsWhenAsked) {
    MoveOverView({48, 16});
    EXPECT_EQ(editor().cursor.MouseColumn, 1);
    EXPECT_EQ(editor().cursor.MouseRow, 0);
    EXPECT_EQ(editor().cursor.MouseWorldX, -159 * 262144 + 131072);

    Item(CommandId::FocusFollowsMouse)->trigger();
    session->HeightView()->activateWindow();
    session->HeightView()->setFocus();
    MoveOverView({100, 100});
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), &main().View());
}

TEST_F(TextureViewWidgetTest, RepaintsTheChangedCellsInsideTheBlockAndAllOfItOnViewChanges) {
    editor().document.ReplaceTiles(std::vector<TileCell>(MapCellCount, 1));
    Settle();
    PaintedArea paints;
    main().View().installEventFilter(&paints);
    editor().document.SetTile(2, 3, 5);     // view cell (3, 2) at 32 pixels, a pixel around it
    editor().document.SetTile(200, 300, 5); // outside the block
    Settle();
    EXPECT_EQ(paints.painted.boundingRect(), QRect(95, 63, 34, 34));

    paints.painted = QRegion();
    Item(CommandId::ShowGridlines)->trigger();
    Settle();
    EXPECT_EQ(paints.painted.boundingRect(), main().View().rect());
    main().View().removeEventFilter(&paints);
}

// The texture view as it appears in the main window: the empty view, the block of tiles
// with magenta beyond the map edge, the cursor state kept from mouse moves, and repaints of
// only what changed.

#include "SessionFixture.h"

#include "core/map/MapGeometry.h"
#include "core/render/TextureViewOverlays.h"

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
    ASSERT_TRUE(QTest::qWaitForWindowActive(session->HeightView()));
    MoveOverView({100, 100});
    // The window system hands the focus over in its own time.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return QApplication::focusWidget() == &main().View(); }, 5000));
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
    // All of it that shows: on a wide screen the tile palette covers the view's right end.
    EXPECT_EQ(paints.painted.boundingRect(), main().View().visibleRegion().boundingRect());
    main().View().removeEventFilter(&paints);
}

TEST_F(TextureViewWidgetTest, ABrushStrokeRepaintsOnlyAroundTheOutlineAndLeavesNoTrail) {
    editor().document.ReplaceTiles(std::vector<TileCell>(MapCellCount, 1));
    editor().document.ReplaceHeights(std::vector<uint16_t>(MapCellCount, 1000));
    main().Execute(CommandId::HeightBrushTool);
    QWidget& view = main().View();
    const int tile = editor().view.TilePixels;
    const int radius = editor().area.brush.radius;
    // A stroke along row 8, from column 4 to column 24.
    const auto inCell = [tile](int column) { return QPoint(column, 8) * tile + QPoint(8, 8); };
    // The outline's cells around column `column` of that row, and a few pixels more.
    const auto outline = [&](int column) {
        const int cells = 2 * radius + 1;
        return QRect(QPoint(column - radius, 8 - radius) * tile, QSize(cells, cells) * tile)
            .adjusted(-3, -3, 3, 3);
    };
    // The world location written at the top-left follows the pointer with the outline.
    Item(CommandId::MouseWorldLocation)->trigger();
    const QRect location = MouseWorldLocationBounds().adjusted(0, 0, 3, 3);
    MoveOverView(inCell(4));
    Settle();

    // What the screen shows: the whole view once, then each paint's area as it is painted.
    QImage screen = Grab().convertToFormat(QImage::Format_RGB32);
    const QImage before = screen;
    PaintedArea paints;
    view.installEventFilter(&paints);
    qint64 repainted = 0;
    const auto send = [&](QEvent::Type type, int column, Qt::MouseButtons held) {
        paints.painted = QRegion();
        const QPoint at = inCell(column);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, view.mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &event);
        Settle();
        // Only where the outline was and where it is now.
        const QRegion painted = paints.painted;
        EXPECT_TRUE((painted - outline(column - 1) - outline(column) - location).isEmpty())
            << column;
        for (const QRect& rect : painted)
            repainted += qint64{rect.width()} * rect.height();
        if (!painted.isEmpty())
            view.render(&screen, painted.boundingRect().topLeft(), painted);
    };
    send(QEvent::MouseButtonPress, 4, Qt::LeftButton);
    for (int column = 5; column <= 24; ++column)
        send(QEvent::MouseMove, column, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, 24, Qt::NoButton);
    view.removeEventFilter(&paints);
    // 22 events, each of which used to repaint the whole view.
    EXPECT_GT(repainted, 0);
    EXPECT_LT(repainted, 22 * qint64{view.width()} * view.height() / 10);

    // The outline left its first place and shows at its last: the picture matches a full
    // repaint pixel for pixel.
    const QImage full = Grab().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(screen, full);
    EXPECT_NE(before.copy(outline(4)), full.copy(outline(4)));
}

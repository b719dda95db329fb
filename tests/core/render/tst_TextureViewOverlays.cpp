#include "RenderFixture.h"

#include "core/render/WorldToPixel.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// An editor at 50% showing rails, with sections and pending points given in cells.
Editor RailEditor(std::initializer_list<QLine> sections, std::initializer_list<QPoint> pending = {},
                  int tileSize = 32) {
    Editor editor = MakeTestEditor(tileSize, 1024 / tileSize);
    editor.flags.ShowRailroads = true;
    editor.document.EditRails([&](RailNetwork& rails) {
        for (const QLine& s : sections)
            rails.RailSections[static_cast<size_t>(rails.RailSectionCount++)] =
                RailSection{WorldX(s.x1()), WorldX(s.x2()), WorldY(s.y1()), WorldY(s.y2()), 0, 0};
        for (const QPoint& p : pending)
            rails.PendingRailPoints[static_cast<size_t>(rails.PendingRailPointCount++)] =
                RailPoint{WorldX(p.x()), WorldY(p.y())};
    });
    return editor;
}

bool AnyPixelDiffers(const QImage& image, const QImage& other, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != other.pixel(x, y))
                return true;
    return false;
}

// An editor at 50% and the shell its painting talks to.
class Overlay : public testing::Test {
  protected:
    QImage Render() { return RenderTextureView(editor, shell); }
    Editor editor = MakeTestEditor(32, 32);
    RecordingShell shell;
};

TEST(WorldToPixel, MapsCellCornersAndKeepsExtremesSafe) {
    ViewState view;
    view.TilePixels = 32;
    view.ViewOriginColumn = 10;
    view.ViewOriginRow = 5;
    const TextureViewMapping mapping = MappingOf(view);
    EXPECT_EQ(mapping.ToPixel(WorldX(12), WorldY(8)), QPoint(64, 96));
    EXPECT_EQ(mapping.ToPixel(WorldX(12) + WorldUnitsPerCell / 2, WorldY(5) - 1), QPoint(80, 0));
    const QPoint far = mapping.ToPixel(INT32_MAX, INT32_MIN);
    EXPECT_GT(far.x(), 100000);
    EXPECT_LT(far.y(), -100000);
    EXPECT_EQ(HeightViewPixel(WorldX(0) - 1, WorldY(3) + 5), QPoint(-1, 3));
    EXPECT_EQ(HeightViewPixel(INT32_MAX, INT32_MIN).x(), (int64_t{INT32_MAX} >> 18) + 160);
}

TEST(TextureViewOverlays, RailSectionStopsOnePixelShortOfItsEnd) {
    RecordingShell shell;
    for (const int s : {16, 32, 96}) {
        ExpectPixels(RenderTextureView(RailEditor({QLine(2, 3, 9, 3)}, {}, s), shell),
                     {At(2 * s, 3 * s, Yellow), At(9 * s - 1, 3 * s, Yellow),
                      At(9 * s, 3 * s, Tile), At(9 * s - 1, 3 * s + 1, Tile)});
    }
    EXPECT_TRUE(shell.calls.empty());
    // In every direction, shallow and steep: the first point is set, the second is not.
    const QPoint from(12, 12);
    for (const QPoint to : {QPoint(5, 7), QPoint(6, 10), QPoint(10, 4), QPoint(20, 9),
                            QPoint(17, 20), QPoint(9, 19), QPoint(12, 2), QPoint(2, 12)}) {
        SCOPED_TRACE(std::to_string(to.x()) + "," + std::to_string(to.y()));
        ExpectPixels(
            RenderTextureView(RailEditor({QLine(from, to)}), shell),
            {At(from.x() * 32, from.y() * 32, Yellow), At(to.x() * 32, to.y() * 32, Tile)});
    }
}

TEST(TextureViewOverlays, MoveModeAddsHandlesToInsideSectionEndsAndPendingPointsButTheLast) {
    // One section ends inside the view, one beyond the right edge of the client; the last
    // pending point lies beyond it too.
    Editor editor = RailEditor({QLine(2, 3, 9, 3), QLine(9, 5, 40, 5)},
                               {QPoint(4, 10), QPoint(12, 10), QPoint(12, 20), QPoint(40, 20)});
    RecordingShell shell;
    const QImage plain = RenderTextureView(editor, shell);
    // The section's end, then the wide blue polyline.
    ExpectPixels(plain, {At(287, 96, Yellow), At(288, 96, Tile), At(256, 320, Blue),
                         At(256, 321, Blue), At(384, 480, Blue), At(1023, 640, Blue)});

    editor.EditMode = ToolMode::MoveRails;
    const QImage moving = RenderTextureView(editor, shell);
    // The handle: white inside, yellow outline three pixels from the centre. Only the line
    // reaches the client's right edge; no handle left of it.
    ExpectPixels(moving,
                 {At(288, 96, White), At(287, 96, White), At(285, 96, Yellow), At(290, 96, Yellow),
                  At(292, 96, Tile), At(1023, 160, Yellow), At(1023, 159, Tile)});
    for (const QPoint handle : {QPoint(128, 320), QPoint(384, 320), QPoint(384, 640)})
        EXPECT_TRUE(AnyPixelDiffers(plain, moving, QRect(handle - QPoint(4, 4), QSize(9, 9))));
    EXPECT_FALSE(AnyPixelDiffers(plain, moving, QRect(900, 600, 124, 80)));
    EXPECT_TRUE(shell.calls.empty()) << "no rubber band outside create-rails mode";
}

TEST(TextureViewOverlays, RubberBandReachesTheCursorAndPaintingAsksForNothing) {
    Editor editor = RailEditor({}, {QPoint(4, 10)});
    editor.EditMode = ToolMode::CreateRails;
    editor.cursor.MouseWorldX = WorldX(20);
    editor.cursor.MouseWorldY = WorldY(10);
    RecordingShell shell;
    ExpectPixels(RenderTextureView(editor, shell), {At(384, 320, Red), At(384, 319, Red)});
    // A paint that asks for the next one keeps a core busy while the editor sits idle.
    EXPECT_TRUE(shell.calls.empty());

    editor.flags.ShowRailroads = false;
    shell.Clear();
    EXPECT_EQ(RenderTextureView(editor, shell).pixel(384, 320), Tile);
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(Overlay, LatitudeAndLongitudeLinesAt50And25Percent) {
    editor.flags.ShowLatLong = true;
    // Row 0 is latitude 55 and column 0 longitude -5; row and column 16 half a degree on.
    ExpectPixels(Render(),
                 {At(700, 0, Red), At(700, 512, Blue), At(700, 513, Tile), At(0, 700, Red),
                  At(512, 700, Blue), At(513, 700, Tile), At(700, 32 * 31, Tile)});

    // Scrolled so that row 32 and column 64 are in the block.
    editor.view.TilePixels = 16;
    editor.view.ViewCells = 64;
    editor.view.ViewOriginRow = 20;
    editor.view.ViewOriginColumn = 40;
    ExpectPixels(Render(), {At(900, (32 - 20) * 16, Red), At(900, (48 - 20) * 16, Blue),
                            At((64 - 40) * 16, 900, Red), At((48 - 40) * 16, 900, Blue)});
}

TEST_F(Overlay, HeightEditCrossHasArmsOneCellLong) {
    editor.EditMode = ToolMode::HeightEditing;
    editor.VertexMode = true;
    editor.cursor.MouseColumn = 3;
    editor.cursor.MouseRow = 2;
    ExpectPixels(Render(), {At(96, 64, Red), At(127, 64, Red), At(128, 64, Tile), At(65, 64, Red),
                            At(64, 64, Tile), At(96, 95, Red), At(96, 33, Red), At(96, 32, Tile),
                            At(97, 65, Tile)});
}

TEST_F(Overlay, FrameOfThe3DBlockNeedsHeightsAndThe3DView) {
    editor = MakeTestEditor(96, 10); // the block ends at pixel 960
    editor.flags.Show3DView = true;
    EXPECT_EQ(Render().pixel(959, 100), Tile);

    editor.document.ReplaceHeights(std::vector<uint16_t>(MapCellCount, 0));
    ExpectPixels(Render(), {At(0, 0, White), At(959, 100, White), At(100, 959, White),
                            At(958, 958, Tile), At(1, 1, Tile)});
    editor.flags.Show3DView = false;
    EXPECT_EQ(Render().pixel(0, 0), Tile);
}

TEST_F(Overlay, TextOnlyWhereAndWhenSwitchedOn) {
    TargetArea inside{.x = WorldX(10), .y = WorldY(10)};
    std::memset(inside.name, 'W', sizeof(inside.name)); // all 32 bytes, no ending NUL
    TargetArea onLeftEdge{.x = WorldX(0), .y = WorldY(20)};
    std::strcpy(onLeftEdge.name, "Edge");
    editor.document.SetTargetAreas({inside, onLeftEdge});
    const QImage plain = Render();

    editor.flags.ShowTargetAreas = true;
    editor.flags.ShowMouseWorldLocation = true;
    const QImage labelled = Render();
    EXPECT_TRUE(AnyPixelDiffers(plain, labelled, QRect(320, 320, 20, 10)));
    EXPECT_FALSE(AnyPixelDiffers(plain, labelled, QRect(320, 305, 40, 14))) << "text hangs down";
    EXPECT_FALSE(AnyPixelDiffers(plain, labelled, QRect(0, 640, 40, 12))) << "on the left edge";
    EXPECT_TRUE(AnyPixelDiffers(plain, labelled, QRect(0, 0, 60, 10))) << "mouse world location";
}

TEST_F(Overlay, NothingIsDrawnPastTheBlockIntoTheEmptyPartOfTheWindow) {
    editor = RailEditor({QLine(2, 3, 40, 3), QLine(5, 5, 5, 40)}, {}, 32);
    editor.view.ViewCells = 16; // a 512-pixel block in 1,024 pixels
    editor.flags.ShowLatLong = 1;
    editor.flags.ShowTargetAreas = 1;
    editor.VertexMode = 1;
    editor.cursor.MouseColumn = editor.cursor.MouseRow = 15;
    TargetArea beside{.x = WorldX(20), .y = WorldY(4)};
    std::strcpy(beside.name, "Beside");
    TargetArea onEdge{.x = WorldX(15), .y = WorldY(8)};
    std::strcpy(onEdge.name, "Long name across the edge");
    std::vector<TargetArea> areas(65536, beside);
    areas.push_back(onEdge);
    editor.document.SetTargetAreas(std::move(areas));
    const QImage image = Render();
    ExpectPixels(image, {At(100, 3 * 32, Yellow), At(511, 3 * 32, Yellow), At(5 * 32, 511, Yellow),
                         At(300, 0, Red), At(480, 258, White)});
    for (int y = 0; y < 1024; ++y)
        for (int x = y < 512 ? 512 : 0; x < 1024; ++x)
            ASSERT_EQ(image.pixel(x, y), Grey) << x << "," << y;
}

} // namespace

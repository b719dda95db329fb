#include "RenderFixture.h"

#include "core/render/WorldToPixel.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const QRgb Yellow = qRgb(255, 255, 50);
const QRgb Blue = qRgb(50, 50, 255);
const QRgb Red = qRgb(255, 50, 50);
const QRgb White = qRgb(255, 255, 255);
const QRgb Tile = TestTileColour(0, 7);

int32_t WorldX(int column) {
    return (column - 160) * WorldUnitsPerCell;
}
int32_t WorldY(int row) {
    return (row - 1760) * WorldUnitsPerCell;
}

Editor RailEditor(int tileSize, int cells) {
    Editor editor = MakeTestEditor(tileSize, cells);
    editor.flags.ShowRailroads = 1;
    return editor;
}

void AddSection(Editor& editor, int column1, int row1, int column2, int row2) {
    auto& rails = editor.rails;
    rails.RailSections[static_cast<size_t>(rails.RailSectionCount++)] =
        RailSection{WorldX(column1), WorldX(column2), WorldY(row1), WorldY(row2), 0, 0};
}

void AddPending(Editor& editor, int column, int row) {
    auto& rails = editor.rails;
    rails.PendingRailPoints[static_cast<size_t>(rails.PendingRailPointCount++)] =
        RailPoint{WorldX(column), WorldY(row)};
}

TEST(WorldToPixel, MapsCellCornersAndKeepsExtremesSafe) {
    ViewState view;
    view.TilePixelWidth = view.TilePixelHeight = 32;
    view.ViewOriginColumn = 10;
    view.ViewOriginRow = 5;
    const TextureViewMapping mapping = MappingOf(view);
    EXPECT_EQ(mapping.ToPixel(WorldX(12), WorldY(8)), QPoint(64, 96));
    EXPECT_EQ(mapping.ToPixel(WorldX(12) + WorldUnitsPerCell / 2, WorldY(5) - 1), QPoint(80, 0));
    const QPoint far = mapping.ToPixel(INT32_MAX, INT32_MIN);
    EXPECT_GT(far.x(), 100000);
    EXPECT_LT(far.y(), -100000);

    EXPECT_EQ(HeightViewPixel(WorldX(0), WorldY(0)), QPoint(0, 0));
    EXPECT_EQ(HeightViewPixel(WorldX(0) - 1, WorldY(3) + 5), QPoint(-1, 3));
    EXPECT_EQ(HeightViewPixel(INT32_MAX, INT32_MIN).x(), (int64_t{INT32_MAX} >> 18) + 160);
}

TEST(TextureViewOverlays, RailSectionStopsOnePixelShortOfItsEnd) {
    for (const int size : {16, 32, 96}) {
        Editor editor = RailEditor(size, 1024 / size);
        AddSection(editor, 2, 3, 9, 3);
        RecordingShell shell;
        const QImage image = RenderTextureView(editor, shell);
        EXPECT_EQ(image.pixel(2 * size, 3 * size), Yellow) << size;
        EXPECT_EQ(image.pixel(9 * size - 1, 3 * size), Yellow) << size;
        EXPECT_EQ(image.pixel(9 * size, 3 * size), Tile) << size;
        EXPECT_EQ(image.pixel(9 * size - 1, 3 * size + 1), Tile) << size;
        EXPECT_TRUE(shell.calls.empty());
    }
    // In every direction, shallow and steep: the first point is set, the second is not.
    const QPoint from(12, 12);
    for (const QPoint to : {QPoint(5, 7), QPoint(6, 10), QPoint(10, 4), QPoint(20, 9),
                            QPoint(17, 20), QPoint(9, 19), QPoint(12, 2), QPoint(2, 12)}) {
        Editor editor = RailEditor(32, 32);
        AddSection(editor, from.x(), from.y(), to.x(), to.y());
        RecordingShell shell;
        const QImage image = RenderTextureView(editor, shell);
        EXPECT_EQ(image.pixel(from * 32), Yellow) << to.x() << "," << to.y();
        EXPECT_EQ(image.pixel(to * 32), Tile) << to.x() << "," << to.y();
    }
}

TEST(TextureViewOverlays, MoveHandlesOnlyInMoveModeAndOnlyForInsideSectionEnds) {
    Editor editor = RailEditor(32, 32);
    AddSection(editor, 2, 3, 9, 3);  // end inside the view
    AddSection(editor, 9, 5, 40, 5); // end beyond the right edge of the client
    RecordingShell shell;
    const QImage plain = RenderTextureView(editor, shell);
    EXPECT_EQ(plain.pixel(9 * 32 - 1, 96), Yellow);
    EXPECT_EQ(plain.pixel(9 * 32, 96), Tile);

    editor.EditMode = 3;
    const QImage moving = RenderTextureView(editor, shell);
    // The handle: white inside, yellow outline three pixels from the centre.
    EXPECT_EQ(moving.pixel(9 * 32, 96), White);
    EXPECT_EQ(moving.pixel(9 * 32 - 1, 96), White);
    EXPECT_EQ(moving.pixel(9 * 32 - 3, 96), Yellow);
    EXPECT_EQ(moving.pixel(9 * 32 + 2, 96), Yellow);
    EXPECT_EQ(moving.pixel(9 * 32 + 4, 96), Tile);
    // Only the line reaches the client's right edge; no handle left of it.
    EXPECT_EQ(moving.pixel(1023, 160), Yellow);
    EXPECT_EQ(moving.pixel(1023, 159), Tile);
}

bool AnyPixelDiffers(const QImage& image, const QImage& other, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != other.pixel(x, y))
                return true;
    return false;
}

QRect AroundPoint(int x, int y) {
    return QRect(x - 4, y - 4, 9, 9);
}

TEST(TextureViewOverlays, PendingPointsGetHandlesExceptTheLast) {
    Editor editor = RailEditor(32, 32);
    AddPending(editor, 4, 10);
    AddPending(editor, 12, 10);
    AddPending(editor, 12, 20);
    AddPending(editor, 40, 20); // beyond the right edge, the last point
    RecordingShell shell;
    const QImage plain = RenderTextureView(editor, shell);
    EXPECT_EQ(plain.pixel(8 * 32, 320), Blue); // the wide blue polyline
    EXPECT_EQ(plain.pixel(8 * 32, 321), Blue);
    EXPECT_EQ(plain.pixel(12 * 32, 15 * 32), Blue);
    EXPECT_EQ(plain.pixel(1023, 640), Blue);

    editor.EditMode = 3;
    const QImage moving = RenderTextureView(editor, shell);
    EXPECT_TRUE(AnyPixelDiffers(plain, moving, AroundPoint(4 * 32, 320)));
    EXPECT_TRUE(AnyPixelDiffers(plain, moving, AroundPoint(12 * 32, 320)));
    EXPECT_TRUE(AnyPixelDiffers(plain, moving, AroundPoint(12 * 32, 640)));
    EXPECT_FALSE(AnyPixelDiffers(plain, moving, QRect(900, 600, 124, 80)));
    EXPECT_TRUE(shell.calls.empty()) << "no rubber band outside create-rails mode";
}

TEST(TextureViewOverlays, RubberBandFollowsTheCursorAndAsksForAnotherPaint) {
    Editor editor = RailEditor(32, 32);
    editor.EditMode = 2;
    AddPending(editor, 4, 10);
    editor.cursor.MouseWorldX = WorldX(20);
    editor.cursor.MouseWorldY = WorldY(10);
    RecordingShell shell;
    const QImage image = RenderTextureView(editor, shell);
    EXPECT_EQ(image.pixel(12 * 32, 320), Red);
    EXPECT_EQ(image.pixel(12 * 32, 319), Red);
    EXPECT_EQ(shell.calls, std::vector<std::string>{"invalidate Main"});

    editor.flags.ShowRailroads = 0;
    shell.Clear();
    const QImage hidden = RenderTextureView(editor, shell);
    EXPECT_EQ(hidden.pixel(12 * 32, 320), Tile);
    EXPECT_TRUE(shell.calls.empty());
}

TEST(TextureViewOverlays, LatitudeAndLongitudeLinesAt50Percent) {
    Editor editor = MakeTestEditor(32, 32);
    editor.flags.ShowLatLong = 1;
    RecordingShell shell;
    const QImage image = RenderTextureView(editor, shell);
    EXPECT_EQ(image.pixel(700, 0), Red);    // row 0: latitude 55
    EXPECT_EQ(image.pixel(700, 512), Blue); // row 16: half degree
    EXPECT_EQ(image.pixel(700, 513), Tile);
    EXPECT_EQ(image.pixel(0, 700), Red);    // column 0: longitude -5
    EXPECT_EQ(image.pixel(512, 700), Blue); // column 16
    EXPECT_EQ(image.pixel(513, 700), Tile);
    EXPECT_EQ(image.pixel(700, 32 * 31), Tile);

    // Scrolled so that row 32 and column 64 are in the block, at 25%.
    editor.view.TilePixelWidth = editor.view.TilePixelHeight = 16;
    editor.view.ViewColumns = editor.view.ViewRows = 64;
    editor.view.ViewOriginRow = 20;
    editor.view.ViewOriginColumn = 40;
    const QImage scrolled = RenderTextureView(editor, shell);
    EXPECT_EQ(scrolled.pixel(900, (32 - 20) * 16), Red);
    EXPECT_EQ(scrolled.pixel(900, (48 - 20) * 16), Blue);
    EXPECT_EQ(scrolled.pixel((64 - 40) * 16, 900), Red);
    EXPECT_EQ(scrolled.pixel((48 - 40) * 16, 900), Blue);
}

TEST(TextureViewOverlays, HeightEditCrossHasArmsOneCellLong) {
    Editor editor = MakeTestEditor(32, 32);
    editor.VertexMode = 1;
    editor.cursor.MouseColumn = 3;
    editor.cursor.MouseRow = 2;
    RecordingShell shell;
    const QImage image = RenderTextureView(editor, shell);
    EXPECT_EQ(image.pixel(96, 64), Red);
    EXPECT_EQ(image.pixel(127, 64), Red);
    EXPECT_EQ(image.pixel(128, 64), Tile);
    EXPECT_EQ(image.pixel(65, 64), Red);
    EXPECT_EQ(image.pixel(64, 64), Tile);
    EXPECT_EQ(image.pixel(96, 95), Red);
    EXPECT_EQ(image.pixel(96, 33), Red);
    EXPECT_EQ(image.pixel(96, 32), Tile);
    EXPECT_EQ(image.pixel(97, 65), Tile);
}

TEST(TextureViewOverlays, FrameOfThe3DBlockNeedsHeightsAndThe3DView) {
    for (const auto [size, cells] : {std::pair{32, 32}, std::pair{96, 10}}) {
        Editor editor = MakeTestEditor(size, cells);
        editor.flags.Show3DView = 1;
        RecordingShell shell;
        const int side = size * cells;
        EXPECT_EQ(RenderTextureView(editor, shell).pixel(side - 1, 100), Tile);

        editor.heightMap.Replace(std::vector<uint16_t>(MapCellCount, 0));
        const QImage image = RenderTextureView(editor, shell);
        EXPECT_EQ(image.pixel(0, 0), White);
        EXPECT_EQ(image.pixel(side - 1, 100), White);
        EXPECT_EQ(image.pixel(100, side - 1), White);
        EXPECT_EQ(image.pixel(side - 2, side - 2), Tile);
        EXPECT_EQ(image.pixel(1, 1), Tile);

        editor.flags.Show3DView = 0;
        EXPECT_EQ(RenderTextureView(editor, shell).pixel(0, 0), Tile);
    }
}

TEST(TextureViewOverlays, TextOnlyWhereAndWhenSwitchedOn) {
    Editor editor = MakeTestEditor(32, 32);
    TargetArea inside;
    inside.x = WorldX(10);
    inside.y = WorldY(10);
    std::memset(inside.name, 'W', sizeof(inside.name)); // all 32 bytes, no ending NUL
    TargetArea onLeftEdge;
    onLeftEdge.x = WorldX(0);
    onLeftEdge.y = WorldY(20);
    std::strcpy(onLeftEdge.name, "Edge");
    editor.targetAreas = {inside, onLeftEdge};
    RecordingShell shell;
    const QImage plain = RenderTextureView(editor, shell);

    editor.flags.ShowTargetAreas = 1;
    editor.flags.ShowMouseWorldLocation = 1;
    const QImage labelled = RenderTextureView(editor, shell);
    EXPECT_TRUE(AnyPixelDiffers(plain, labelled, QRect(320, 320, 20, 10)));
    EXPECT_FALSE(AnyPixelDiffers(plain, labelled, QRect(320, 305, 40, 14))) << "text hangs down";
    EXPECT_FALSE(AnyPixelDiffers(plain, labelled, QRect(0, 640, 40, 12))) << "on the left edge";
    EXPECT_TRUE(AnyPixelDiffers(plain, labelled, QRect(0, 0, 60, 10))) << "mouse world location";
}

} // namespace

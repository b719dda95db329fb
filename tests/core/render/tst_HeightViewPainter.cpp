#include "RenderFixture.h"

#include "core/render/HeightPalette.h"
#include "core/render/HeightViewPainter.h"

#include <gtest/gtest.h>

namespace {

QImage RenderHeightView(const Editor& editor) {
    EnsureGuiApplication();
    QImage image(HeightViewWidth, HeightViewHeight, QImage::Format_RGB32);
    image.fill(Grey);
    QPainter painter(&image);
    PaintHeightView(painter, editor);
    return image;
}

// An editor whose heights rise with the column, its shade rebuilt, view at 50%.
Editor HeightEditor() {
    Editor editor;
    std::vector<uint16_t> heights(MapCellCount);
    for (int i = 0; i < MapCellCount; ++i)
        heights[static_cast<size_t>(i)] = static_cast<uint16_t>((i % MapWidth) * 100);
    editor.document.ReplaceHeights(std::move(heights));
    RebuildHeightShade(editor.document.Heights(), editor.heightShade);
    editor.view.TilePixels = 32;
    editor.view.ViewCells = 32;
    editor.view.ViewOriginColumn = 400;
    editor.view.ViewOriginRow = 200;
    editor.flags.ShowRailroads = false;
    return editor;
}

TEST(HeightViewPainter, ShadesThroughThePaletteAndFramesThePreviewedBlock) {
    Editor editor = HeightEditor();
    editor.document.SetHeight(CellIndex(10, 20), 65535);
    RebuildHeightShade(editor.document.Heights(), editor.heightShade);
    const QImage image = RenderHeightView(editor);
    // Water at height 0, the tile-check mark at 65535, the frame of the block at (400, 200).
    ExpectPixels(image, {At(0, 5, qRgb(34, 83, 106)), At(20, 10, qRgb(255, 0, 0)),
                         At(400, 200, White), At(431, 215, White), At(415, 231, White)});
    EXPECT_NE(image.pixel(432, 215), White);
    EXPECT_NE(image.pixel(401, 201), White);
    for (const int column : {1, 3, 77, 300, 639})
        EXPECT_EQ(image.pixel(column, 150),
                  HeightPaletteEntry(ShadeOfHeight(static_cast<uint16_t>(column * 100))))
            << column;
}

TEST(HeightViewPainter, DegreeLinesYellowEveryFiveDegreesAndRailsAtOnePixelPerCell) {
    Editor editor = HeightEditor();
    editor.flags.ShowLatLong = true;
    ExpectPixels(RenderHeightView(editor),
                 {At(600, 32, Red), At(600, 160, Yellow), At(32, 300, Red), At(320, 300, Yellow),
                  At(600, 33, HeightPaletteEntry(ShadeOfHeight(60000)))});

    editor.flags.ShowLatLong = false;
    editor.flags.ShowRailroads = true;
    // Inside cell 100's last world unit: still pixel 100.
    editor.document.EditRails([](RailNetwork& r) {
        r.RailSections[0] = RailSection{WorldX(100), WorldX(111) - 1, WorldY(40), WorldY(40), 0, 0};
        r.RailSectionCount = 1;
        r.PendingRailPoints[0] = RailPoint{WorldX(50), WorldY(60)};
        r.PendingRailPoints[1] = RailPoint{WorldX(50), WorldY(90)};
        r.PendingRailPointCount = 2;
    });
    const QImage image = RenderHeightView(editor);
    ExpectPixels(image, {At(100, 40, Yellow), At(109, 40, Yellow), At(50, 89, Blue)});
    EXPECT_NE(image.pixel(110, 40), Yellow);
    EXPECT_NE(image.pixel(50, 90), Blue);
    editor.flags.ShowRailroads = false;
    EXPECT_NE(RenderHeightView(editor).pixel(100, 40), Yellow);
}

TEST(HeightViewPainter, WithoutHeightsOnlyTheMessage) {
    Editor editor;
    editor.flags.ShowLatLong = true;
    const QImage image = RenderHeightView(editor);
    ExpectPixels(image,
                 {At(0, 0, White), At(32, 300, White), At(639, 319, White)}); // no lines, frame
    EXPECT_GT(DarkPixelsOnRow(image, 160), 3);
}

} // namespace

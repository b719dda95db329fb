#include "RenderFixture.h"

#include "core/render/HeightPalette.h"
#include "core/render/HeightViewPainter.h"

#include <gtest/gtest.h>

namespace {

const QRgb White = qRgb(255, 255, 255);

QImage RenderHeightView(const Editor& editor) {
    EnsureGuiApplication();
    QImage image(HeightViewWidth, HeightViewHeight, QImage::Format_RGB32);
    image.fill(qRgb(128, 128, 128));
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
    editor.heightMap.Replace(std::move(heights));
    editor.view.TilePixelWidth = editor.view.TilePixelHeight = 32;
    editor.view.ViewColumns = editor.view.ViewRows = 32;
    editor.view.ViewOriginColumn = 400;
    editor.view.ViewOriginRow = 200;
    editor.flags.ShowRailroads = 0;
    return editor;
}

TEST(HeightPalette, EntriesOfWaterRampAndMarks) {
    EXPECT_EQ(HeightPaletteEntry(0), qRgb(34, 83, 106));
    EXPECT_EQ(HeightPaletteEntry(1), qRgb(20, 15, 3));
    EXPECT_EQ(HeightPaletteEntry(100), qRgb(119, 89, 17));
    EXPECT_EQ(HeightPaletteEntry(236), qRgb(255, 191, 38));
    EXPECT_EQ(HeightPaletteEntry(254), qRgb(255, 191, 38));
    EXPECT_EQ(HeightPaletteEntry(255), qRgb(255, 0, 0));
    EXPECT_EQ(HeightPalette().size(), 256);
    EXPECT_EQ(HeightPalette()[100], HeightPaletteEntry(100));
}

TEST(HeightViewPainter, ShadesThroughThePaletteAndTheFrameOfTheBlock) {
    Editor editor = HeightEditor();
    editor.heightMap.Set(CellIndex(10, 20), 65535);
    RebuildHeightShade(editor.heightMap, editor.heightShade);
    const QImage image = RenderHeightView(editor);
    EXPECT_EQ(image.pixel(0, 5), qRgb(34, 83, 106)); // height 0: water
    EXPECT_EQ(image.pixel(20, 10), qRgb(255, 0, 0)); // 65535: the tile-check mark
    for (const int column : {1, 3, 77, 300, 639}) {
        const int shade = ShadeOfHeight(static_cast<uint16_t>(column * 100));
        EXPECT_EQ(image.pixel(column, 150), HeightPaletteEntry(shade)) << column;
    }
    // The previewed block starts at (400, 200) and is 32 cells wide.
    EXPECT_EQ(image.pixel(400, 200), White);
    EXPECT_EQ(image.pixel(431, 215), White);
    EXPECT_EQ(image.pixel(415, 231), White);
    EXPECT_NE(image.pixel(432, 215), White);
    EXPECT_NE(image.pixel(401, 201), White);
}

TEST(HeightViewPainter, DegreeLinesYellowEveryFiveDegrees) {
    Editor editor = HeightEditor();
    editor.flags.ShowLatLong = 1;
    RebuildHeightShade(editor.heightMap, editor.heightShade);
    const QImage image = RenderHeightView(editor);
    const QRgb yellow = qRgb(255, 255, 50);
    const QRgb red = qRgb(255, 50, 50);
    EXPECT_EQ(image.pixel(600, 32), red);
    EXPECT_EQ(image.pixel(600, 160), yellow);
    EXPECT_EQ(image.pixel(32, 300), red);
    EXPECT_EQ(image.pixel(320, 300), yellow);
    EXPECT_EQ(image.pixel(600, 33), HeightPaletteEntry(ShadeOfHeight(60000)));
}

TEST(HeightViewPainter, RailsAtOnePixelPerCell) {
    Editor editor = HeightEditor();
    editor.flags.ShowRailroads = 1;
    auto& rails = editor.rails;
    const auto worldX = [](int column) { return (column - 160) * WorldUnitsPerCell; };
    const auto worldY = [](int row) { return (row - 1760) * WorldUnitsPerCell; };
    // Inside cell 100's last world unit: still pixel 100.
    rails.RailSections[0] = RailSection{worldX(100), worldX(111) - 1, worldY(40), worldY(40), 0, 0};
    rails.RailSectionCount = 1;
    rails.PendingRailPoints[0] = RailPoint{worldX(50), worldY(60)};
    rails.PendingRailPoints[1] = RailPoint{worldX(50), worldY(90)};
    rails.PendingRailPointCount = 2;
    RebuildHeightShade(editor.heightMap, editor.heightShade);
    const QImage image = RenderHeightView(editor);
    EXPECT_EQ(image.pixel(100, 40), qRgb(255, 255, 50));
    EXPECT_EQ(image.pixel(109, 40), qRgb(255, 255, 50));
    EXPECT_NE(image.pixel(110, 40), qRgb(255, 255, 50));
    EXPECT_EQ(image.pixel(50, 89), qRgb(50, 50, 255));
    EXPECT_NE(image.pixel(50, 90), qRgb(50, 50, 255));

    editor.flags.ShowRailroads = 0;
    EXPECT_NE(RenderHeightView(editor).pixel(100, 40), qRgb(255, 255, 50));
}

TEST(HeightViewPainter, WithoutHeightsOnlyTheMessage) {
    Editor editor;
    editor.flags.ShowLatLong = 1;
    const QImage image = RenderHeightView(editor);
    EXPECT_EQ(image.pixel(0, 0), White);
    EXPECT_EQ(image.pixel(32, 300), White) << "no lines";
    EXPECT_EQ(image.pixel(639, 319), White) << "no frame";
    int dark = 0;
    for (int x = 0; x < HeightViewWidth; ++x)
        dark += qGray(image.pixel(x, 160)) < 128 ? 1 : 0;
    EXPECT_GT(dark, 3);
}

} // namespace

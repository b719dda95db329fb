#include "MaptoolRunner.h"
#include "core/tilemap/MapGeometry.h"
#include "core/tilemap/TileCatalogue.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

struct RenderCommandTest : testing::Test {
    RenderCommandTest() {
        WriteBytes(dir.File("map.tm"), std::vector<uint8_t>(MapCellCount, MakeCell(1, 6)));
        WriteBytes(dir.File("flat.hm"), std::vector<uint8_t>(MapCellCount * 2, 0));
    }
    // Renders `map` with `options` to out.png and loads it.
    QImage Render(const std::string& map, const std::string& options) {
        const MaptoolResult result = RunMaptool(dir, "render " + map + " out.png " + options);
        EXPECT_EQ(result.status, 0) << result.err;
        return QImage(QString::fromStdString(dir.File("out.png")));
    }

    TempDir dir;
};

TEST_F(RenderCommandTest, TextureViewBlockAtTheGivenOriginAndZoom) {
    QImage image = Render("map.tm", "--origin 630,0 --overlays none");
    ASSERT_EQ(image.size(), QSize(1024, 1024));
    EXPECT_NE(image.pixel(5 * 32, 100), qRgb(255, 0, 255)) << "a tile of the map";
    EXPECT_EQ(image.pixel(20 * 32, 100), qRgb(255, 0, 255)) << "beyond column 639";

    image = Render("map.tm", "--zoom 150 --origin 700,400");
    EXPECT_EQ(image.size(), QSize(960, 960));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 255)) << "origin clamped to 640, 320";
}

TEST_F(RenderCommandTest, HeightViewWithTheFrameOfTheBlock) {
    const QImage image = Render("flat.hm", "--height-view --origin 100,50 --zoom 25");
    ASSERT_EQ(image.size(), QSize(640, 320));
    EXPECT_EQ(image.pixel(5, 5), qRgb(34, 83, 106));
    EXPECT_EQ(image.pixel(100, 50), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(163, 113), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(164, 113), qRgb(34, 83, 106));
}

} // namespace

#include "core/tilemap/MapGeometry.h"
#include "core/tilemap/TileCatalogue.h"
#include "support/TempDir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>

namespace {

int RunRender(const std::string& arguments) {
    const std::string command =
        std::string(MAPTOOL_PATH) + " render " + arguments + " >/dev/null 2>&1";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

struct RenderCommandTest : testing::Test {
    TempDir dir;
    std::string map = dir.File("map.tm");
    std::string heights = dir.File("flat.hm");
    std::string out = dir.File("out.png");

    RenderCommandTest() {
        WriteBytes(map, std::vector<uint8_t>(MapCellCount, MakeCell(1, 6)));
        WriteBytes(heights, std::vector<uint8_t>(MapCellCount * 2, 0));
    }
};

TEST_F(RenderCommandTest, TextureViewBlockAtTheGivenOriginAndZoom) {
    ASSERT_EQ(RunRender(map + " " + out + " --origin 630,0 --overlays none"), 0);
    QImage image(QString::fromStdString(out));
    ASSERT_EQ(image.size(), QSize(1024, 1024));
    EXPECT_NE(image.pixel(5 * 32, 100), qRgb(255, 0, 255)) << "a tile of the map";
    EXPECT_EQ(image.pixel(20 * 32, 100), qRgb(255, 0, 255)) << "beyond column 639";

    ASSERT_EQ(RunRender(map + " " + out + " --zoom 150 --origin 700,400"), 0);
    image.load(QString::fromStdString(out));
    EXPECT_EQ(image.size(), QSize(960, 960));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 255)) << "origin clamped to 640, 320";
}

TEST_F(RenderCommandTest, HeightViewWithTheFrameOfTheBlock) {
    ASSERT_EQ(RunRender(heights + " " + out + " --height-view --origin 100,50 --zoom 25"), 0);
    const QImage image(QString::fromStdString(out));
    ASSERT_EQ(image.size(), QSize(640, 320));
    EXPECT_EQ(image.pixel(5, 5), qRgb(34, 83, 106));
    EXPECT_EQ(image.pixel(100, 50), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(163, 113), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(164, 113), qRgb(34, 83, 106));
}

TEST_F(RenderCommandTest, BadArgumentsAndUnreadableMapsWriteNothing) {
    EXPECT_EQ(RunRender(map + " " + out + " --zoom 30"), 2);
    EXPECT_EQ(RunRender(map + " " + out + " --overlays grid,clouds"), 2);
    EXPECT_EQ(RunRender(map + " " + out + " --origin 5"), 2);
    EXPECT_EQ(RunRender(map), 2);
    EXPECT_EQ(RunRender(dir.File("missing.tm") + " " + out), 1);
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace

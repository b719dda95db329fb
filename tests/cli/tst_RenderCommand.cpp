#include "MaptoolRunner.h"
#include "core/map/MapGeometry.h"
#include "core/tilemap/TileCatalogue.h"

#include <QImage>
#include <QImageReader>

#include <filesystem>

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

TEST_F(RenderCommandTest, RegionAndWholeMapInStripsWithWorldFile) {
    // 34,560 x 128 pixels are painted in three strips; the region's first 16 columns are the
    // view's block at the same origin.
    const std::string overlays = "--zoom 100 --overlays grid,latlong,targets ";
    const QImage region = Render("map.tm", overlays + "--region 100,0,540,2 --world-file");
    ASSERT_EQ(region.size(), QSize(540 * 64, 128));
    const QImage block = Render("map.tm", overlays + "--origin 100,0");
    EXPECT_EQ(region.copy(0, 0, 1024, 128), block.copy(0, 0, 1024, 128));

    // A Latin-1 name is no valid UTF-8; the picture and its world file are written all the same.
    const MaptoolResult latin1 =
        RunMaptool(dir, "render map.tm 'caf\xe9.png' --zoom 50 --region 160,32,8,8 --world-file");
    ASSERT_EQ(latin1.status, 0) << latin1.err;
    const auto png = ReadBytes(dir.File("caf\xe9.png"));
    EXPECT_EQ(QImage::fromData(png.data(), static_cast<int>(png.size())).size(), QSize(256, 256));
    const auto text = ReadBytes(dir.File("caf\xe9.pgw"));
    EXPECT_EQ(std::string(text.begin(), text.end()),
              "0.000976562500\n0.000000000000\n0.000000000000\n-0.000976562500\n"
              "0.000488281250\n53.999511718750\n");

    const MaptoolResult whole = RunMaptool(dir, "render map.tm out.png --zoom 25 --whole");
    EXPECT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(QImageReader(QString::fromStdString(dir.File("out.png"))).size(), QSize(10240, 5120));
    EXPECT_EQ(RunMaptool(dir, "render map.tm out.png --region 600,0,41,5").status, 2);
    EXPECT_EQ(RunMaptool(dir, "render map.tm out.png --whole --origin 3,4").status, 2);
}

TEST_F(RenderCommandTest, UnreadableTilePictureOrFailedWriteFailsTheRender) {
    std::filesystem::create_directory(dir.File("tiles"));
    WriteBytes(dir.File("tiles/QZAlcty.bmp"), {'B', 'M', 1, 2});
    MaptoolResult result = RunMaptool(dir, "render map.tm out.png");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(Contains(result.err, "tile pictures are missing or damaged")) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.png")));
    result = RunMaptool(dir, "render map.tm out.png --allow-missing-tiles");
    EXPECT_EQ(result.status, 0) << result.err;
    std::filesystem::remove_all(dir.File("tiles"));

    // A file size limit of 512 bytes stands in for a full disk.
    std::filesystem::remove(dir.File("out.png"));
    result = RunMaptool(dir, "render map.tm out.png", "ulimit -f 1 && trap '' XFSZ");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(Contains(result.err, "unable to write out.png: File too large")) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.png")));
}

} // namespace

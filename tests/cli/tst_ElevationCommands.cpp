#include "MaptoolRunner.h"
#include "core/map/MapGeometry.h"
#include "support/SyntheticRaster.h"
#include "support/SyntheticVector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

uint16_t HeightAt(const std::vector<uint8_t>& file, int cell) {
    return static_cast<uint16_t>(file[2 * cell] | file[2 * cell + 1] << 8);
}

} // namespace

TEST(ElevationCommands, ImportWritesBothOutputsAndExportComesBack) {
    TempDir dir;
    // 2-3 E, 48-49 N at 64 samples a degree: 500 m in the west half, 1500 m in the east.
    ASSERT_TRUE(WriteSyntheticRaster(dir.File("tile.tif"),
                                     LatLongRaster(2, 49, 64, 64, 64, [](int column, int) {
                                         return column < 32 ? 500 : 1500;
                                     })));
    const MaptoolResult imported = RunMaptool(dir, "import-elevation tile.tif --top 3000");
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_TRUE(Contains(imported.out, "Process Complete.\n204800 Items Read."));
    EXPECT_TRUE(Contains(imported.out, "1500 is the maximum elevation."));
    const auto heights = ReadBytes(dir.File("trv16.hm"));
    ASSERT_EQ(heights.size(), 409600u);
    EXPECT_EQ(ReadBytes(dir.File("trv.hm")).size(), 204800u);
    const int west = CellIndex((55 - 49) * 32 + 5, (2 + 5) * 32 + 5);
    EXPECT_EQ(HeightAt(heights, west), 10922); // trunc(500 x 65535 / 3000)
    EXPECT_EQ(HeightAt(heights, west + 16), 32767);

    const MaptoolResult exported = RunMaptool(dir, "export-heights trv16.hm out.tif --top 3000");
    ASSERT_EQ(exported.status, 0) << exported.err;
    const MaptoolResult back =
        RunMaptool(dir, "import-elevation out.tif --resample nearest --top 3000 --out-hm back.hm "
                        "--out-raw back.raw");
    ASSERT_EQ(back.status, 0) << back.err;
    const auto again = ReadBytes(dir.File("back.hm"));
    ASSERT_EQ(again.size(), heights.size());
    for (int cell = 0; cell < MapCellCount; ++cell)
        ASSERT_LE(std::abs(HeightAt(again, cell) - HeightAt(heights, cell)), 1) << cell;

    const MaptoolResult missing = RunMaptool(dir, "import-elevation tile.tif none.tif");
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Contains(missing.err, "none.tif cannot be read")) << missing.err;
}

TEST(ElevationCommands, GenerateWritesTheSameMapForTheSameSeedWithItsCitiesAndReport) {
    TempDir dir;
    // Land on the eastern three quarters of the map, with a round bay; one city.
    ASSERT_TRUE(WriteSyntheticRaster(
        dir.File("land.tif"), LatLongRaster(-5, 55, 160, 80, 8, [](int column, int row) {
            return column >= 40 && std::hypot(column - 100, row - 40) > 12 ? 1 : 0;
        })));
    ASSERT_TRUE(WriteSyntheticVector(dir.File("cities.geojson"), "GeoJSON", 4326,
                                     {{"POINT(10 50)", {{"name", "Hafen"}}}}));
    const std::string arguments = " --land land.tif --cities cities.geojson --seed 4";
    const MaptoolResult first = RunMaptool(dir, "generate a" + arguments);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_TRUE(Contains(first.out, "Neighbour pairs whose coast edges disagree: 0."));
    const auto list = ReadBytes(dir.File("TarList.dat"));
    ASSERT_EQ(list.size(), 4u + 48u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(list.data()) + 20), "Hafen");

    ASSERT_EQ(RunMaptool(dir, "generate b" + arguments).status, 0);
    EXPECT_EQ(ReadBytes(dir.File("a.tm")), ReadBytes(dir.File("b.tm")));
    EXPECT_EQ(ReadBytes(dir.File("a.hm")), ReadBytes(dir.File("b.hm")));
    EXPECT_EQ(ReadBytes(dir.File("a.tm")).size(), 204800u);

    const MaptoolResult noLand = RunMaptool(dir, "generate c --cities cities.geojson");
    EXPECT_EQ(noLand.status, 2);
    EXPECT_TRUE(Contains(noLand.err, "--land is required"));
}

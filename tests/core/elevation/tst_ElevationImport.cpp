#include "core/elevation/ElevationImport.h"
#include "support/SyntheticRaster.h"
#include "support/TempDir.h"

#include <gdal_utils.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

int Cell(double longitude, double latitude) {
    return CellIndex(static_cast<int>((55.0 - latitude) * 32),
                     static_cast<int>((longitude + 5.0) * 32));
}

// Hills around 9 E 50 N in UTM zone 32 (500 m pixels): sea (no-data) in the west, a strip
// below sea level, and summits above the default top.
SyntheticRaster UtmHills() {
    SyntheticRaster raster;
    raster.srs = "EPSG:32632";
    raster.transform = {300000.0, 500.0, 0.0, 5800000.0, 0.0, -500.0};
    raster.width = 800;
    raster.height = 1000;
    raster.noData = -9999;
    raster.value = [](int column, int row) {
        if (column < 80)
            return -9999.0;
        if (column < 100)
            return -3.0 - row % 7;
        const double hills = 1500.0 + 1400.0 * std::sin(column / 37.0) * std::cos(row / 53.0);
        return std::floor(hills * (1.0 + row / 1000.0) + (column * 7919 + row * 104729) % 61);
    };
    return raster;
}

// The field's own tool as a user runs it: gdalwarp with the map's grid into a file.
std::optional<TranslatedElevation> GdalwarpAndRule(const std::string& source,
                                                   const std::string& output) {
    const char* const arguments[] = {"-t_srs", "EPSG:4326", "-te", "-5", "45",      "15",   "55",
                                     "-ts",    "640",       "320", "-r", "average", nullptr};
    GDALWarpAppOptions* options = GDALWarpAppOptionsNew(const_cast<char**>(arguments), nullptr);
    GDALDatasetH input = GDALOpen(source.c_str(), GA_ReadOnly);
    GDALDatasetH warped = GDALWarp(output.c_str(), nullptr, 1, &input, options, nullptr);
    GDALWarpAppOptionsFree(options);
    GDALClose(input);
    if (!warped)
        return std::nullopt;
    GDALRasterBandH band = GDALGetRasterBand(warped, 1);
    std::vector<double> metres(MapCellCount);
    int hasNoData = 0;
    const double noData = GDALGetRasterNoDataValue(band, &hasNoData);
    const bool read = GDALRasterIO(band, GF_Read, 0, 0, 640, 320, metres.data(), 640, 320,
                                   GDT_Float64, 0, 0) == CE_None;
    GDALClose(warped);
    if (!read)
        return std::nullopt;
    return TranslateElevations(metres, hasNoData ? std::optional(noData) : std::nullopt, 4110);
}

TEST(ElevationImport, AgreesWithGdalwarpFollowedByTheRule) {
    TempDir dir;
    ASSERT_TRUE(WriteSyntheticRaster(dir.File("hills.tif"), UtmHills()));
    const auto reference = GdalwarpAndRule(dir.File("hills.tif"), dir.File("gdalwarp.tif"));
    ASSERT_TRUE(reference);
    const auto imported = ImportElevation({dir.File("hills.tif")}, {});
    ASSERT_TRUE(imported.elevation) << imported.error;

    const auto& heights = imported.elevation->heights;
    int equal = 0;
    int land = 0;
    for (int i = 0; i < MapCellCount; ++i) {
        const int difference = std::abs(heights[i] - reference->heights[i]);
        EXPECT_LE(difference, 1) << "cell " << i;
        equal += difference == 0;
        land += heights[i] > 15;
    }
    EXPECT_GE(equal, MapCellCount * 999 / 1000);
    EXPECT_GT(land, 5000) << "the hills reach the map";
    const DemCounters& counters = imported.elevation->counters;
    EXPECT_GT(counters.landItemsConverted, 0);
    EXPECT_EQ(counters.seaLevel, 15);
    EXPECT_GT(counters.maximumElevation, 4110);
}

TEST(ElevationImport, MosaicsTilesAndAppliesTheHeightRule) {
    TempDir dir;
    // 0-1 E, 50-51 N: no data in the north-west quarter, below sea level in the south-east.
    auto west = LatLongRaster(0, 51, 64, 64, 64, [](int column, int row) {
        if (column < 32 && row < 32)
            return -32768.0;
        return column >= 32 && row >= 32 ? -5.0 : 1000.0;
    });
    west.noData = -32768;
    ASSERT_TRUE(WriteSyntheticRaster(dir.File("west.tif"), west));
    ASSERT_TRUE(WriteSyntheticRaster(
        dir.File("east.tif"), LatLongRaster(1, 51, 64, 64, 64, [](int, int) { return 5000; })));

    const auto imported =
        ImportElevation({dir.File("west.tif"), dir.File("east.tif")}, {Resampling::Nearest, 2000});
    ASSERT_TRUE(imported.elevation) << imported.error;
    const auto& heights = imported.elevation->heights;
    EXPECT_EQ(heights[Cell(0.1, 50.9)], 0) << "no data is sea";
    EXPECT_EQ(heights[Cell(0.9, 50.1)], ScaledHeightOf(1, 2000)) << "below sea level is land";
    EXPECT_EQ(heights[Cell(0.9, 50.9)], 32767) << "1000 m of a 2000 m top";
    EXPECT_EQ(heights[Cell(1.5, 50.5)], 65535) << "above the top";
    EXPECT_EQ(heights[Cell(-4.9, 54.9)], 0) << "beyond the sources";
    EXPECT_EQ(imported.elevation->rawImage[Cell(0.9, 50.9)], 127);
    const DemCounters& counters = imported.elevation->counters;
    EXPECT_EQ(counters.itemsRead, MapCellCount);
    EXPECT_EQ(counters.landItemsConverted, 16 * 16);
    EXPECT_EQ(counters.waterItemsTranslated, MapCellCount - 32 * 64 + 16 * 16);
    EXPECT_EQ(counters.maximumElevation, 5000);
}

TEST(ElevationImport, RefusesSourcesItCannotUseAndCancels) {
    TempDir dir;
    const auto refusal = [](const std::string& path) {
        const auto result = ImportElevation({path}, {});
        EXPECT_FALSE(result.elevation);
        EXPECT_FALSE(result.cancelled);
        return result.error;
    };
    EXPECT_NE(refusal(dir.File("missing.tif")).find("missing.tif cannot be read"),
              std::string::npos);
    ASSERT_TRUE(WriteSyntheticRaster(dir.File("asia.tif"),
                                     LatLongRaster(100, 30, 8, 8, 8, [](int, int) { return 1; })));
    EXPECT_NE(refusal(dir.File("asia.tif")).find("does not overlap the map"), std::string::npos);
    auto bare = LatLongRaster(0, 50, 8, 8, 8, [](int, int) { return 1; });
    bare.transform.reset();
    bare.srs.clear();
    ASSERT_TRUE(WriteSyntheticRaster(dir.File("bare.tif"), bare));
    EXPECT_NE(refusal(dir.File("bare.tif")).find("is not georeferenced"), std::string::npos);
    // A paletted picture: its band holds colour numbers, not heights.
    const std::string picture =
        "<VRTDataset rasterXSize=\"4\" rasterYSize=\"4\"><SRS>EPSG:4326</SRS>"
        "<GeoTransform>0,1,0,50,0,-1</GeoTransform><VRTRasterBand dataType=\"Byte\" band=\"1\">"
        "<ColorInterp>Palette</ColorInterp><ColorTable><Entry c1=\"0\" c2=\"0\" c3=\"0\" "
        "c4=\"255\"/></ColorTable></VRTRasterBand></VRTDataset>";
    WriteBytes(dir.File("picture.vrt"), std::vector<uint8_t>(picture.begin(), picture.end()));
    EXPECT_NE(refusal(dir.File("picture.vrt")).find("has no elevation band"), std::string::npos);
    // A header whose bands, read a block at a time together, would need gigabytes.
    std::string bands = "<VRTDataset rasterXSize=\"128\" rasterYSize=\"128\"><SRS>EPSG:4326</SRS>"
                        "<GeoTransform>0,0.01,0,50,0,-0.01</GeoTransform>";
    for (int band = 1; band <= 2101; ++band)
        bands += "<VRTRasterBand dataType=\"Float64\" band=\"" + std::to_string(band) + "\"/>";
    bands += "</VRTDataset>";
    WriteBytes(dir.File("bands.vrt"), std::vector<uint8_t>(bands.begin(), bands.end()));
    EXPECT_NE(refusal(dir.File("bands.vrt")).find("bands holds 263 MiB, more than the 256 MiB"),
              std::string::npos);

    ASSERT_TRUE(WriteSyntheticRaster(dir.File("land.tif"),
                                     LatLongRaster(0, 50, 64, 64, 64, [](int, int) { return 9; })));
    const auto cancelled =
        ImportElevation({dir.File("land.tif")}, {}, [](double) { return false; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.elevation);
}

TEST(HeightExport, GeoTiffInMetresComesBackThroughTheImport) {
    std::vector<uint16_t> heights(MapCellCount);
    for (int i = 0; i < MapCellCount; ++i)
        heights[static_cast<size_t>(i)] =
            static_cast<uint16_t>(i % 97 == 0 ? 0 : 1 + i * 13 % 65535);
    std::string error;
    const auto tiff = HeightsAsGeoTiff(heights, 3000, error);
    ASSERT_TRUE(tiff) << error;
    TempDir dir;
    WriteBytes(dir.File("heights.tif"), *tiff);

    GDALDatasetH dataset = GDALOpen(dir.File("heights.tif").c_str(), GA_ReadOnly);
    ASSERT_TRUE(dataset);
    double transform[6];
    GDALGetGeoTransform(dataset, transform);
    EXPECT_EQ(transform[0], -5.0);
    EXPECT_EQ(transform[3], 55.0);
    float metres = 0;
    EXPECT_EQ(GDALRasterIO(GDALGetRasterBand(dataset, 1), GF_Read, 5, 0, 1, 1, &metres, 1, 1,
                           GDT_Float32, 0, 0),
              CE_None);
    EXPECT_NEAR(metres, 66 * 3000.0 / 65535, 1e-4);
    GDALClose(dataset);

    const auto imported = ImportElevation({dir.File("heights.tif")}, {Resampling::Nearest, 3000});
    ASSERT_TRUE(imported.elevation) << imported.error;
    for (int i = 0; i < MapCellCount; ++i)
        ASSERT_LE(std::abs(imported.elevation->heights[i] - heights[i]), 1) << "cell " << i;
    EXPECT_EQ(imported.elevation->counters.waterItemsTranslated, (MapCellCount + 96) / 97);
}

} // namespace

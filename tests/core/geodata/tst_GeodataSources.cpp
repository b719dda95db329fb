// Geographic files read onto the map's grid through GDAL/OGR: polygons in a projected
// coordinate system, lakes and rivers, land cover, cities and an elevation raster; files that
// cannot serve are refused with their name.

#include "core/commands/Commands.h"
#include "core/geodata/GeodataSources.h"
#include "core/geodata/NewMapFromGeodata.h"
#include "core/map/MapGeometry.h"
#include "support/RecordingShell.h"
#include "support/SyntheticRaster.h"
#include "support/SyntheticVector.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

// Web Mercator metres of a longitude and latitude.
std::string Mercator(double longitude, double latitude) {
    constexpr double Radius = 6378137.0;
    const double x = Radius * longitude * M_PI / 180.0;
    const double y = Radius * std::log(std::tan(M_PI / 4 + latitude * M_PI / 360.0));
    return std::to_string(x) + " " + std::to_string(y);
}

// A longitude/latitude rectangle as WKT.
std::string Box(double west, double south, double east, double north) {
    const auto at = [](double x, double y) { return std::to_string(x) + " " + std::to_string(y); };
    return "POLYGON((" + at(west, south) + "," + at(east, south) + "," + at(east, north) + "," +
           at(west, north) + "," + at(west, south) + "))";
}

size_t CellOf(double longitude, double latitude) {
    int row = 0, column = 0;
    EXPECT_TRUE(CellOfGeoPoint({longitude, latitude}, row, column));
    return static_cast<size_t>(row * MapWidth + column);
}

class GeodataSourcesTest : public testing::Test {
  protected:
    TempDir dir;
    GeodataSources sources;
};

TEST_F(GeodataSourcesTest, EveryLayerLandsOnTheCellsItCovers) {
    // Land east of 5 E, as a polygon in Web Mercator; a lake and a river in latitude and
    // longitude; a forest; two cities; an elevation raster.
    const std::string land = "POLYGON((" + Mercator(5, 44) + "," + Mercator(16, 44) + "," +
                             Mercator(16, 56) + "," + Mercator(5, 56) + "," + Mercator(5, 44) +
                             "))";
    sources.land = dir.File("land.gpkg");
    ASSERT_TRUE(WriteSyntheticVector(sources.land, "GPKG", 3857, {{land, {}}}));
    sources.water = dir.File("water.geojson");
    ASSERT_TRUE(
        WriteSyntheticVector(sources.water, "GeoJSON", 4326,
                             {{Box(10, 50, 10.5, 50.5), {}}, {"LINESTRING(14 48,8 48)", {}}}));
    sources.cover = dir.File("cover.geojson");
    ASSERT_TRUE(WriteSyntheticVector(
        sources.cover, "GeoJSON", 4326,
        {{Box(12, 52, 13, 53), {{"class", "Forest"}}}, {Box(6, 46, 7, 47), {{"class", "swamp"}}}}));
    sources.cities = dir.File("cities.geojson");
    ASSERT_TRUE(
        WriteSyntheticVector(sources.cities, "GeoJSON", 4326,
                             {{"POINT(9 51)", {{"name", "Mitte"}, {"population", "12000", true}}},
                              {"POINT(30 51)", {{"name", "Weit"}, {"population", "5", true}}}}));
    sources.elevation = dir.File("elevation.tif");
    ASSERT_TRUE(WriteSyntheticRaster(
        sources.elevation, LatLongRaster(-5, 55, 80, 40, 4, [](int, int) { return 411; })));

    const GeodataReadResult read = ReadGeodata(sources);
    ASSERT_TRUE(read.layers) << read.error;
    const GeodataLayers& layers = *read.layers;
    EXPECT_EQ(layers.land[CellOf(4.9, 50)], 0);
    EXPECT_EQ(layers.land[CellOf(5.1, 50)], 1);
    EXPECT_EQ(layers.land[CellOf(10.25, 50.25)], 0); // the lake
    ASSERT_EQ(layers.rivers.size(), 1u);
    EXPECT_DOUBLE_EQ(layers.rivers[0].front().longitude, 14);
    EXPECT_EQ(layers.cover[CellOf(12.5, 52.5)], CoverClass::Forest);
    EXPECT_EQ(layers.cover[CellOf(6.5, 46.5)], CoverClass::None);
    ASSERT_EQ(layers.cities.size(), 2u);
    EXPECT_EQ(layers.cities[0].name, "Mitte");
    EXPECT_EQ(layers.cities[0].population, 12000);
    ASSERT_TRUE(layers.heights);
    EXPECT_EQ((*layers.heights)[CellOf(9, 51)], 6553); // 411 of 4110 metres
}

TEST_F(GeodataSourcesTest, FilesThatCannotServeAreRefusedByName) {
    EXPECT_FALSE(ReadGeodata(sources).layers); // no land at all

    sources.land = dir.File("missing.gpkg");
    GeodataReadResult read = ReadGeodata(sources);
    EXPECT_FALSE(read.layers);
    EXPECT_NE(read.error.find(sources.land), std::string::npos);

    // A class raster needs its class table.
    sources.land = dir.File("land.tif");
    ASSERT_TRUE(WriteSyntheticRaster(sources.land,
                                     LatLongRaster(-5, 55, 20, 10, 1, [](int, int) { return 1; })));
    sources.cover = sources.land;
    read = ReadGeodata(sources);
    EXPECT_FALSE(read.layers);
    EXPECT_NE(read.error.find("CLASS"), std::string::npos);
    sources.coverClasses = "1=mountain";
    read = ReadGeodata(sources);
    ASSERT_TRUE(read.layers) << read.error;
    EXPECT_EQ(read.layers->cover[CellOf(0, 50)], CoverClass::Mountain);
}

TEST_F(GeodataSourcesTest, NewMapReplacesBothLayersAsOneStepAfterAskingAboutUnsavedWork) {
    Editor editor;
    RecordingShell shell;
    editor.document.ReplaceTiles(std::vector<TileCell>(MapCellCount, 1)); // painted, in no file
    NewMapRequest request;
    request.sources.land = dir.File("land.tif");
    ASSERT_TRUE(WriteSyntheticRaster(
        request.sources.land,
        LatLongRaster(-5, 55, 20, 10, 1, [](int column, int) { return column > 4; })));
    request.sources.cities = dir.File("cities.geojson");
    ASSERT_TRUE(WriteSyntheticVector(request.sources.cities, "GeoJSON", 4326,
                                     {{"POINT(10 50)", {{"name", "Hafen"}}}}));
    request.targetListPath = dir.File("TarList.dat");

    shell.AnswerNextQuestion(false);
    NewMapFromGeodata(editor, shell, request);
    ASSERT_EQ(shell.questions.size(), 1u);
    EXPECT_EQ(editor.document.Tiles().At(0), 1);
    EXPECT_FALSE(editor.document.Heights().HasHeightMap());
    EXPECT_FALSE(std::filesystem::exists(request.targetListPath));

    shell.AnswerNextQuestion(true);
    NewMapFromGeodata(editor, shell, request);
    EXPECT_EQ(CodeOf(editor.document.Tiles().At(0)), 2); // the sea in the west
    ASSERT_TRUE(editor.document.Heights().HasHeightMap());
    ASSERT_EQ(editor.document.TargetAreas().size(), 1u);
    EXPECT_EQ(ReadBytes(request.targetListPath).size(), 4u + 48u);
    ASSERT_FALSE(shell.messages.empty());
    EXPECT_NE(shell.messages.back().text.find("disagree: 0."), std::string::npos);

    ExecuteCommand(editor, shell, CommandId::Undo);
    EXPECT_EQ(editor.document.Tiles().At(0), 1);
    EXPECT_FALSE(editor.document.Heights().HasHeightMap());
}

} // namespace

#include "core/elevation/GdalMapGrid.h"
#include "core/geodata/GeodataSources.h"
#include "core/map/MapGeometry.h"

#include <gdal_alg.h>
#include <ogr_api.h>
#include <ogr_srs_api.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>

namespace {

struct GeometryDestroyer {
    void operator()(OGRGeometryH geometry) const { OGR_G_DestroyGeometry(geometry); }
};
using GeometryHandle = std::unique_ptr<std::remove_pointer_t<OGRGeometryH>, GeometryDestroyer>;

struct FeatureDestroyer {
    void operator()(OGRFeatureH feature) const { OGR_F_Destroy(feature); }
};
using FeatureHandle = std::unique_ptr<std::remove_pointer_t<OGRFeatureH>, FeatureDestroyer>;

struct SrsDestroyer {
    void operator()(OGRSpatialReferenceH srs) const { OSRDestroySpatialReference(srs); }
};
using SrsHandle = std::unique_ptr<std::remove_pointer_t<OGRSpatialReferenceH>, SrsDestroyer>;

struct TransformDestroyer {
    void operator()(OGRCoordinateTransformationH t) const { OCTDestroyCoordinateTransformation(t); }
};
using TransformHandle =
    std::unique_ptr<std::remove_pointer_t<OGRCoordinateTransformationH>, TransformDestroyer>;

// A failure that names the file.
struct ReadError {
    std::string text;
};

DatasetHandle Open(const std::string& path) {
    DatasetHandle dataset(GDALOpenEx(path.c_str(),
                                     GDAL_OF_VECTOR | GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr,
                                     nullptr, nullptr));
    if (!dataset)
        throw ReadError{
            path + " cannot be read: " + QuietGdalErrors::LastMessage("not a file GDAL knows")};
    return dataset;
}

bool IsVector(GDALDatasetH dataset) {
    return GDALDatasetGetLayerCount(dataset) > 0;
}

SrsHandle LatLongSrs() {
    SrsHandle srs(OSRNewSpatialReference(nullptr));
    OSRImportFromEPSG(srs.get(), 4326);
    OSRSetAxisMappingStrategy(srs.get(), OAMS_TRADITIONAL_GIS_ORDER);
    return srs;
}

// Every geometry of every layer in longitude and latitude, with its feature; layers without a
// coordinate system are taken as longitude and latitude already.
template <typename Visit>
void ForEachGeometry(GDALDatasetH dataset, const std::string& path, Visit visit) {
    const SrsHandle latLong = LatLongSrs();
    for (int l = 0; l < GDALDatasetGetLayerCount(dataset); ++l) {
        OGRLayerH layer = GDALDatasetGetLayer(dataset, l);
        TransformHandle transform;
        if (OGRSpatialReferenceH layerSrs = OGR_L_GetSpatialRef(layer)) {
            SrsHandle source(OSRClone(layerSrs));
            OSRSetAxisMappingStrategy(source.get(), OAMS_TRADITIONAL_GIS_ORDER);
            transform.reset(OCTNewCoordinateTransformation(source.get(), latLong.get()));
            if (!transform)
                throw ReadError{path + " cannot be placed on the map: " +
                                QuietGdalErrors::LastMessage("unknown coordinate system")};
        }
        OGR_L_ResetReading(layer);
        while (FeatureHandle feature{OGR_L_GetNextFeature(layer)}) {
            OGRGeometryH own = OGR_F_GetGeometryRef(feature.get());
            if (!own)
                continue;
            GeometryHandle geometry(OGR_G_Clone(own));
            if (transform && OGR_G_Transform(geometry.get(), transform.get()) != OGRERR_NONE)
                continue; // a geometry off the coordinate system's area cannot reach the map
            visit(geometry.get(), feature.get());
        }
    }
}

OGRwkbGeometryType FlatType(OGRGeometryH geometry) {
    return wkbFlatten(OGR_G_GetGeometryType(geometry));
}

bool IsArea(OGRGeometryH geometry) {
    const OGRwkbGeometryType type = FlatType(geometry);
    return type == wkbPolygon || type == wkbMultiPolygon;
}

// The lines of a line or multi-line geometry (collections are opened up).
void CollectLines(OGRGeometryH geometry, std::vector<GeoPolyline>& lines) {
    const OGRwkbGeometryType type = FlatType(geometry);
    if (type == wkbLineString) {
        GeoPolyline line;
        for (int i = 0; i < OGR_G_GetPointCount(geometry); ++i)
            line.push_back({OGR_G_GetX(geometry, i), OGR_G_GetY(geometry, i)});
        lines.push_back(std::move(line));
    } else if (type == wkbMultiLineString || type == wkbGeometryCollection) {
        for (int i = 0; i < OGR_G_GetGeometryCount(geometry); ++i)
            CollectLines(OGR_G_GetGeometryRef(geometry, i), lines);
    }
}

// An empty byte grid of the map, georeferenced.
DatasetHandle MapGrid() {
    GDALDriverH memory = GDALGetDriverByName("MEM");
    DatasetHandle grid(GDALCreate(memory, "", MapWidth, MapHeight, 1, GDT_Byte, nullptr));
    if (!grid)
        throw ReadError{"no memory for the map's grid"};
    double transform[6];
    MapGridGeoTransform(transform);
    GDALSetGeoTransform(grid.get(), transform);
    const SrsHandle latLong = LatLongSrs();
    GDALSetSpatialRef(grid.get(), latLong.get());
    return grid;
}

// Burns the areas into the grid: cells whose middle lies inside take the value.
void Burn(GDALDatasetH grid, const std::vector<GeometryHandle>& areas, double value) {
    if (areas.empty())
        return;
    std::vector<OGRGeometryH> handles;
    for (const GeometryHandle& area : areas)
        handles.push_back(area.get());
    const std::vector<double> values(handles.size(), value);
    const int band = 1;
    if (GDALRasterizeGeometries(grid, 1, &band, static_cast<int>(handles.size()), handles.data(),
                                nullptr, nullptr, values.data(), nullptr, nullptr,
                                nullptr) != CE_None)
        throw ReadError{"the areas cannot be laid on the map's grid: " +
                        QuietGdalErrors::LastMessage("GDAL gave no reason")};
}

std::vector<uint8_t> GridBytes(GDALDatasetH grid) {
    std::vector<uint8_t> bytes(MapCellCount);
    if (GDALRasterIO(GDALGetRasterBand(grid, 1), GF_Read, 0, 0, MapWidth, MapHeight, bytes.data(),
                     MapWidth, MapHeight, GDT_Byte, 0, 0) != CE_None)
        throw ReadError{"the map's grid cannot be read back"};
    return bytes;
}

// A raster's first band, nearest sample at each cell's middle; no-data becomes NaN.
std::vector<double> WarpedRaster(GDALDatasetH source, const std::string& path) {
    if (GDALGetRasterCount(source) < 1)
        throw ReadError{path + " has neither features nor a raster band."};
    DatasetHandle band = FirstBandOf(source);
    std::vector<GDALDatasetH> handles = {band.get()};
    DatasetHandle warped = band ? Warp(handles, Resampling::Nearest, {}) : nullptr;
    std::optional<double> noData;
    const auto values = warped ? ReadGrid(warped.get(), noData) : std::nullopt;
    if (!values)
        throw ReadError{path + " cannot be laid on the map's grid: " +
                        QuietGdalErrors::LastMessage("GDAL gave no reason")};
    std::vector<double> cells = *values;
    if (noData)
        for (double& value : cells)
            if (value == *noData)
                value = NAN;
    return cells;
}

int Count(const std::vector<uint8_t>& flags) {
    return static_cast<int>(std::count(flags.begin(), flags.end(), 1));
}

void ReadLand(const std::string& path, GeodataLayers& layers, GDALDatasetH grid) {
    const DatasetHandle source = Open(path);
    if (IsVector(source.get())) {
        std::vector<GeometryHandle> areas;
        ForEachGeometry(source.get(), path, [&](OGRGeometryH geometry, OGRFeatureH) {
            if (IsArea(geometry))
                areas.emplace_back(OGR_G_Clone(geometry));
        });
        if (areas.empty())
            throw ReadError{path + " holds no land polygons."};
        Burn(grid, areas, 1);
        layers.used.push_back("land: " + path + ", " + std::to_string(areas.size()) + " polygons");
        return;
    }
    const std::vector<double> values = WarpedRaster(source.get(), path);
    std::vector<uint8_t> land(MapCellCount);
    for (size_t i = 0; i < land.size(); ++i)
        land[i] = std::isfinite(values[i]) && values[i] != 0 ? 1 : 0;
    if (GDALRasterIO(GDALGetRasterBand(grid, 1), GF_Write, 0, 0, MapWidth, MapHeight, land.data(),
                     MapWidth, MapHeight, GDT_Byte, 0, 0) != CE_None)
        throw ReadError{"the map's grid cannot be written"};
    layers.used.push_back("land: " + path + ", a land mask raster");
}

void ReadWater(const std::string& path, GeodataLayers& layers, GDALDatasetH grid) {
    const DatasetHandle source = Open(path);
    if (!IsVector(source.get()))
        throw ReadError{path + " holds no river lines or lake polygons."};
    std::vector<GeometryHandle> lakes;
    ForEachGeometry(source.get(), path, [&](OGRGeometryH geometry, OGRFeatureH) {
        if (IsArea(geometry))
            lakes.emplace_back(OGR_G_Clone(geometry));
        else
            CollectLines(geometry, layers.rivers);
    });
    Burn(grid, lakes, 0);
    layers.used.push_back("rivers and lakes: " + path + ", " +
                          std::to_string(layers.rivers.size()) + " lines, " +
                          std::to_string(lakes.size()) + " lake polygons");
}

std::optional<CoverClass> CoverClassNamed(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    static const std::map<std::string, CoverClass> Classes = {{"forest", CoverClass::Forest},
                                                              {"town", CoverClass::Town},
                                                              {"field", CoverClass::Field},
                                                              {"mountain", CoverClass::Mountain}};
    const auto found = Classes.find(name);
    if (found == Classes.end())
        return std::nullopt;
    return found->second;
}

// "1=forest,2=town": raster values and the classes they stand for.
std::map<double, CoverClass> ClassTable(const std::string& text, const std::string& path) {
    std::map<double, CoverClass> table;
    std::stringstream entries(text);
    std::string entry;
    while (std::getline(entries, entry, ',')) {
        const size_t equals = entry.find('=');
        char* end = nullptr;
        const double value = std::strtod(entry.c_str(), &end);
        const auto cover =
            equals == std::string::npos ? std::nullopt : CoverClassNamed(entry.substr(equals + 1));
        if (equals == 0 || end != entry.c_str() + equals || !cover)
            throw ReadError{"the class table of " + path + " has '" + entry +
                            "'; it takes VALUE=CLASS entries, CLASS one of forest, town, "
                            "field, mountain"};
        table[value] = *cover;
    }
    if (table.empty())
        throw ReadError{path + " is a raster: name its classes (VALUE=CLASS,...)."};
    return table;
}

void ReadCover(const std::string& path, const std::string& classes, GeodataLayers& layers) {
    const DatasetHandle source = Open(path);
    layers.cover.assign(MapCellCount, CoverClass::None);
    if (IsVector(source.get())) {
        std::map<CoverClass, std::vector<GeometryHandle>> areas;
        int unknown = 0;
        ForEachGeometry(source.get(), path, [&](OGRGeometryH geometry, OGRFeatureH feature) {
            const int field = OGR_F_GetFieldIndex(feature, "class");
            const auto cover =
                field >= 0 ? CoverClassNamed(OGR_F_GetFieldAsString(feature, field)) : std::nullopt;
            if (cover && IsArea(geometry))
                areas[*cover].emplace_back(OGR_G_Clone(geometry));
            else
                ++unknown;
        });
        const DatasetHandle grid = MapGrid();
        for (const auto& [cover, polygons] : areas)
            Burn(grid.get(), polygons, static_cast<double>(cover));
        const std::vector<uint8_t> cells = GridBytes(grid.get());
        for (size_t i = 0; i < cells.size(); ++i)
            layers.cover[i] = static_cast<CoverClass>(cells[i]);
        layers.used.push_back(
            "land cover: " + path + ", polygons" +
            (unknown ? " (" + std::to_string(unknown) + " features without a known class left out)"
                     : ""));
        return;
    }
    const std::map<double, CoverClass> table = ClassTable(classes, path);
    const std::vector<double> values = WarpedRaster(source.get(), path);
    for (size_t i = 0; i < values.size(); ++i)
        if (const auto found = table.find(values[i]); found != table.end())
            layers.cover[i] = found->second;
    layers.used.push_back("land cover: " + path + ", a class raster");
}

std::optional<double> PopulationOf(OGRFeatureH feature) {
    for (const char* name : {"population", "pop_max", "pop"}) {
        const int field = OGR_F_GetFieldIndex(feature, name);
        if (field >= 0 && OGR_F_IsFieldSetAndNotNull(feature, field))
            return OGR_F_GetFieldAsDouble(feature, field);
    }
    return std::nullopt;
}

void ReadCities(const std::string& path, GeodataLayers& layers) {
    const DatasetHandle source = Open(path);
    if (!IsVector(source.get()))
        throw ReadError{path + " holds no city points."};
    int inside = 0;
    ForEachGeometry(source.get(), path, [&](OGRGeometryH geometry, OGRFeatureH feature) {
        const int nameField = OGR_F_GetFieldIndex(feature, "name");
        if (FlatType(geometry) != wkbPoint || nameField < 0)
            return;
        GeodataCity city{OGR_F_GetFieldAsString(feature, nameField),
                         {OGR_G_GetX(geometry, 0), OGR_G_GetY(geometry, 0)},
                         PopulationOf(feature)};
        int row = 0, column = 0;
        inside += CellOfGeoPoint(city.place, row, column) ? 1 : 0;
        layers.cities.push_back(std::move(city));
    });
    layers.used.push_back("cities: " + path + ", " + std::to_string(layers.cities.size()) +
                          " named points, " + std::to_string(inside) + " inside the map");
}

void ReadElevation(const std::string& path, GeodataLayers& layers) {
    ElevationImportResult imported = ImportElevation({path}, {});
    if (!imported.elevation)
        throw ReadError{imported.error};
    layers.heights = std::move(imported.elevation->heights);
    layers.used.push_back("elevation: " + path);
}

} // namespace

GeodataReadResult ReadGeodata(const GeodataSources& sources) {
    if (sources.land.empty())
        return {std::nullopt, "The land is required: name polygons or a land mask raster."};
    EnsureGdalDrivers();
    const QuietGdalErrors quiet;
    try {
        GeodataLayers layers;
        const DatasetHandle grid = MapGrid();
        ReadLand(sources.land, layers, grid.get());
        if (!sources.water.empty())
            ReadWater(sources.water, layers, grid.get());
        layers.land = GridBytes(grid.get());
        const int land = Count(layers.land);
        layers.used.push_back("on the map: " + std::to_string(land) + " land cells, " +
                              std::to_string(MapCellCount - land) + " water cells");
        if (!sources.cover.empty())
            ReadCover(sources.cover, sources.coverClasses, layers);
        if (!sources.cities.empty())
            ReadCities(sources.cities, layers);
        if (!sources.elevation.empty())
            ReadElevation(sources.elevation, layers);
        else
            layers.used.push_back("elevation: none, the land rises gently inland");
        return {std::move(layers), {}};
    } catch (const ReadError& error) {
        return {std::nullopt, error.text};
    }
}

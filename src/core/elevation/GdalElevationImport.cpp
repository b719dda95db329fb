#include "core/elevation/ElevationImport.h"
#include "core/elevation/GdalMapGrid.h"
#include "core/elevation/GdalSupport.h"
#include "core/map/MapGeometry.h"

#include <gdal_alg.h>
#include <gdal_utils.h>

#include <cmath>
#include <cstdio>

namespace {

// Why a georeferenced source cannot be warped onto the map, or nothing when it overlaps it.
std::optional<std::string> PlacementProblem(GDALDatasetH source, const std::string& path) {
    const std::string target = std::string("DST_SRS=") + MapGridSrs;
    const char* const transformerOptions[] = {target.c_str(), nullptr};
    void* transformer =
        GDALCreateGenImgProjTransformer2(source, nullptr, const_cast<char**>(transformerOptions));
    if (!transformer)
        return path + " cannot be placed on the map: " +
               QuietGdalErrors::LastMessage("unknown coordinate system");
    double suggested[6];
    double extent[4] = {}; // west, south, east, north in degrees
    int columns = 0;
    int rows = 0;
    const CPLErr placed = GDALSuggestedWarpOutput2(source, GDALGenImgProjTransform, transformer,
                                                   suggested, &columns, &rows, extent, 0);
    GDALDestroyGenImgProjTransformer(transformer);
    if (placed != CE_None)
        return path + " cannot be placed on the map: " +
               QuietGdalErrors::LastMessage("its corners have no latitude and longitude");
    // Written so that NaN corners count as no overlap.
    const bool overlaps =
        extent[2] > MapWest && extent[0] < MapEast && extent[3] > MapSouth && extent[1] < MapNorth;
    if (!overlaps)
        return path + " does not overlap the map (5 W-15 E, 45 N-55 N).";
    return std::nullopt;
}

// What makes a source unusable, or nothing when it can be warped onto the map.
std::optional<std::string> SourceProblem(GDALDatasetH source, const std::string& path) {
    if (GDALGetRasterCount(source) < 1)
        return path + " has no elevation band.";
    GDALRasterBandH band = GDALGetRasterBand(source, 1);
    const GDALDataType type = GDALGetRasterDataType(band);
    if (type == GDT_Unknown || GDALDataTypeIsComplex(type) ||
        GDALGetRasterColorInterpretation(band) == GCI_PaletteIndex)
        return path + " has no elevation band.";
    double transform[6];
    const bool hasTransform = GDALGetGeoTransform(source, transform) == CE_None;
    if (!hasTransform && GDALGetGCPCount(source) == 0)
        return path + " is not georeferenced.";
    if (!(hasTransform ? GDALGetSpatialRef(source) : GDALGetGCPSpatialRef(source)))
        return path + " has no coordinate system.";
    return PlacementProblem(source, path);
}

} // namespace

bool ElevationRastersAvailable() {
    return true;
}

ElevationImportResult ImportElevation(const std::vector<std::string>& sources,
                                      const ElevationImportOptions& options,
                                      const ImportProgress& progress) {
    ElevationImportResult result;
    if (sources.empty()) {
        result.error = "No elevation source was named.";
        return result;
    }
    if (!(options.topMetres > 0 && std::isfinite(options.topMetres))) {
        result.error = "The top height must be a positive number of metres.";
        return result;
    }
    EnsureGdalDrivers();
    const QuietGdalErrors quiet;
    // Open until the warp ends; the bands go first, as they read from their sources.
    std::vector<DatasetHandle> opened;
    std::vector<DatasetHandle> firstBands;
    std::vector<GDALDatasetH> handles;
    for (const std::string& path : sources) {
        DatasetHandle source(
            GDALOpenEx(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr, nullptr, nullptr));
        if (!source) {
            result.error = path + " cannot be read: " +
                           QuietGdalErrors::LastMessage("not a raster GDAL knows");
            return result;
        }
        if (auto problem = SourceProblem(source.get(), path)) {
            result.error = *problem;
            return result;
        }
        DatasetHandle band = FirstBandOf(source.get());
        if (!band) {
            result.error = path + " cannot be read: " +
                           QuietGdalErrors::LastMessage("its first band cannot be taken");
            return result;
        }
        handles.push_back(band.get());
        opened.push_back(std::move(source));
        firstBands.push_back(std::move(band));
    }

    CPLErrorReset();
    const DatasetHandle warped = Warp(handles, options.resampling, progress);
    if (!warped) {
        if (CPLGetLastErrorNo() == CPLE_UserInterrupt)
            result.cancelled = true;
        else
            result.error = "The elevation data cannot be warped onto the map: " +
                           QuietGdalErrors::LastMessage("GDAL gave no reason");
        return result;
    }
    std::optional<double> noData;
    const auto metres = ReadGrid(warped.get(), noData);
    if (!metres) {
        result.error = "The warped elevation data cannot be read: " +
                       QuietGdalErrors::LastMessage("GDAL gave no reason");
        return result;
    }
    result.elevation = TranslateElevations(*metres, noData, options.topMetres);
    return result;
}

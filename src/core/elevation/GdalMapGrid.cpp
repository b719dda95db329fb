#include "core/elevation/GdalMapGrid.h"

#include "core/map/MapGeometry.h"

#include <gdal_utils.h>

#include <cstdio>
#include <string>

namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// gdalwarp's options for the map's grid, with the output kept in memory.
std::vector<std::string> WarpArguments(Resampling resampling) {
    // clang-format off
    return {"-of", "MEM",
            "-t_srs", MapGridSrs,
            "-te", Number(MapWest), Number(MapSouth), Number(MapEast), Number(MapNorth),
            "-ts", std::to_string(MapWidth), std::to_string(MapHeight),
            "-r", ResamplingName(resampling)};
    // clang-format on
}

int CPL_STDCALL ReportProgress(double done, const char*, void* data) {
    const auto& progress = *static_cast<const ImportProgress*>(data);
    return progress(done) ? TRUE : FALSE;
}

} // namespace

DatasetHandle FirstBandOf(GDALDatasetH source) {
    const char* const arguments[] = {"-of", "VRT", "-b", "1", nullptr};
    GDALTranslateOptions* options = GDALTranslateOptionsNew(const_cast<char**>(arguments), nullptr);
    if (!options)
        return nullptr;
    DatasetHandle band(GDALTranslate("", source, options, nullptr));
    GDALTranslateOptionsFree(options);
    return band;
}

DatasetHandle Warp(std::vector<GDALDatasetH>& sources, Resampling resampling,
                   const ImportProgress& progress) {
    const auto arguments = WarpArguments(resampling);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    GDALWarpAppOptions* options = GDALWarpAppOptionsNew(argv.data(), nullptr);
    if (!options)
        return nullptr;
    if (progress)
        GDALWarpAppOptionsSetProgress(options, ReportProgress,
                                      const_cast<ImportProgress*>(&progress));
    int usageError = FALSE;
    DatasetHandle warped(GDALWarp("", nullptr, static_cast<int>(sources.size()), sources.data(),
                                  options, &usageError));
    GDALWarpAppOptionsFree(options);
    return warped;
}

std::optional<std::vector<double>> ReadGrid(GDALDatasetH warped, std::optional<double>& noData) {
    if (GDALGetRasterXSize(warped) != MapWidth || GDALGetRasterYSize(warped) != MapHeight ||
        GDALGetRasterCount(warped) < 1)
        return std::nullopt;
    GDALRasterBandH band = GDALGetRasterBand(warped, 1);
    int hasNoData = FALSE;
    const double value = GDALGetRasterNoDataValue(band, &hasNoData);
    if (hasNoData)
        noData = value;
    std::vector<double> metres(static_cast<size_t>(MapCellCount));
    if (GDALRasterIO(band, GF_Read, 0, 0, MapWidth, MapHeight, metres.data(), MapWidth, MapHeight,
                     GDT_Float64, 0, 0) != CE_None)
        return std::nullopt;
    return metres;
}

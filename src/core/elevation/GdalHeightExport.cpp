#include "core/elevation/ElevationImport.h"
#include "core/elevation/GdalSupport.h"
#include "core/map/MapGeometry.h"

#include <cpl_conv.h>
#include <cpl_vsi.h>
#include <ogr_srs_api.h>

#include <atomic>
#include <cstring>

namespace {

constexpr double SeaNoData = -9999.0;

// A name in GDAL's in-memory file system that no other export uses at the same time.
std::string ScratchName() {
    static std::atomic<unsigned> counter{0};
    return "/vsimem/mapeditor-heights-" + std::to_string(counter++) + ".tif";
}

bool WriteMetres(GDALDatasetH dataset, std::span<const uint16_t> heights, double top) {
    std::vector<float> metres(heights.size());
    for (size_t i = 0; i < heights.size(); ++i)
        metres[i] = heights[i] == 0 ? static_cast<float>(SeaNoData)
                                    : static_cast<float>(MetresOfHeight(heights[i], top));
    double transform[6];
    MapGridGeoTransform(transform);
    OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
    char* wkt = nullptr;
    const bool described = OSRSetFromUserInput(srs, MapGridSrs) == OGRERR_NONE &&
                           OSRExportToWkt(srs, &wkt) == OGRERR_NONE;
    OSRDestroySpatialReference(srs);
    const bool georeferenced = described && GDALSetProjection(dataset, wkt) == CE_None &&
                               GDALSetGeoTransform(dataset, transform) == CE_None;
    CPLFree(wkt);
    GDALRasterBandH band = GDALGetRasterBand(dataset, 1);
    return georeferenced && GDALSetRasterNoDataValue(band, SeaNoData) == CE_None &&
           GDALRasterIO(band, GF_Write, 0, 0, MapWidth, MapHeight, metres.data(), MapWidth,
                        MapHeight, GDT_Float32, 0, 0) == CE_None;
}

} // namespace

std::optional<std::vector<uint8_t>> HeightsAsGeoTiff(std::span<const uint16_t> heights,
                                                     double topMetres, std::string& error) {
    if (heights.size() != static_cast<size_t>(MapCellCount)) {
        error = "No height data has been loaded.";
        return std::nullopt;
    }
    EnsureGdalDrivers();
    const QuietGdalErrors quiet;
    GDALDriverH driver = GDALGetDriverByName("GTiff");
    const std::string name = ScratchName();
    DatasetHandle dataset(
        driver ? GDALCreate(driver, name.c_str(), MapWidth, MapHeight, 1, GDT_Float32, nullptr)
               : nullptr);
    bool written = dataset && WriteMetres(dataset.get(), heights, topMetres);
    // Closing writes the directory; only then is the file complete.
    if (dataset) {
        if (written)
            CPLErrorReset();
        GDALClose(dataset.release());
        written = written && CPLGetLastErrorType() < CE_Failure;
    }
    vsi_l_offset length = 0;
    GByte* bytes = VSIGetMemFileBuffer(name.c_str(), &length, TRUE);
    std::optional<std::vector<uint8_t>> result;
    if (written && bytes)
        result.emplace(bytes, bytes + length);
    else
        error =
            "The GeoTIFF cannot be made: " + QuietGdalErrors::LastMessage("GDAL gave no reason");
    CPLFree(bytes);
    VSIUnlink(name.c_str());
    return result;
}

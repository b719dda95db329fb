#pragma once
// Small elevation rasters written through GDAL for the import and export tests.

#include <gdal.h>
#include <ogr_srs_api.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct SyntheticRaster {
    std::string srs; // "EPSG:32632", ...; empty for none
    std::optional<std::array<double, 6>> transform;
    int width = 0;
    int height = 0;
    GDALDataType type = GDT_Int16;
    std::optional<double> noData;
    std::function<double(int column, int row)> value;
};

// Writes the raster as a GeoTIFF; false when GDAL refuses.
inline bool WriteSyntheticRaster(const std::string& path, const SyntheticRaster& raster) {
    GDALAllRegister();
    GDALDatasetH dataset = GDALCreate(GDALGetDriverByName("GTiff"), path.c_str(), raster.width,
                                      raster.height, 1, raster.type, nullptr);
    if (!dataset)
        return false;
    bool ok = true;
    if (raster.transform) {
        auto transform = *raster.transform;
        ok = GDALSetGeoTransform(dataset, transform.data()) == CE_None;
    }
    if (!raster.srs.empty()) {
        OGRSpatialReferenceH srs = OSRNewSpatialReference(nullptr);
        ok = ok && OSRSetFromUserInput(srs, raster.srs.c_str()) == OGRERR_NONE &&
             GDALSetSpatialRef(dataset, srs) == CE_None;
        OSRDestroySpatialReference(srs);
    }
    GDALRasterBandH band = GDALGetRasterBand(dataset, 1);
    if (raster.noData)
        ok = ok && GDALSetRasterNoDataValue(band, *raster.noData) == CE_None;
    std::vector<double> values(static_cast<size_t>(raster.width) * raster.height);
    for (int row = 0; row < raster.height; ++row)
        for (int column = 0; column < raster.width; ++column)
            values[static_cast<size_t>(row) * raster.width + column] = raster.value(column, row);
    ok = ok && GDALRasterIO(band, GF_Write, 0, 0, raster.width, raster.height, values.data(),
                            raster.width, raster.height, GDT_Float64, 0, 0) == CE_None;
    GDALClose(dataset);
    return ok;
}

// A latitude/longitude raster whose pixels are 1/`perDegree` degree, north-west corner at
// (`west`, `north`).
inline SyntheticRaster LatLongRaster(double west, double north, int width, int height,
                                     int perDegree, std::function<double(int, int)> value) {
    SyntheticRaster raster;
    raster.srs = "EPSG:4326";
    raster.transform = {west, 1.0 / perDegree, 0.0, north, 0.0, -1.0 / perDegree};
    raster.width = width;
    raster.height = height;
    raster.value = std::move(value);
    return raster;
}

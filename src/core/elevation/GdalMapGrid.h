#pragma once
// Rasters warped onto the map's grid (EPSG:4326, 5 W-15 E, 45 N-55 N, 640 x 320), for the
// elevation import and the other georeferenced inputs.

#include "core/elevation/ElevationImport.h"
#include "core/elevation/GdalSupport.h"

#include <optional>
#include <vector>

// The source's first band alone, as a virtual raster: gdalwarp would warp every band, and a
// small file may declare thousands of them.
DatasetHandle FirstBandOf(GDALDatasetH source);

// The sources mosaicked and warped onto the map's grid, kept in memory; null on failure (with
// CPLE_UserInterrupt as GDAL's last error when `progress` cancelled it).
DatasetHandle Warp(std::vector<GDALDatasetH>& sources, Resampling resampling,
                   const ImportProgress& progress);

// The warped grid's first band, with its no-data value; empty when it cannot be read or is
// not the map's size.
std::optional<std::vector<double>> ReadGrid(GDALDatasetH warped, std::optional<double>& noData);

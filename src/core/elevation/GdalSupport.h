#pragma once
// What the GDAL-based operations share: the drivers registered once, owned dataset handles,
// GDAL's own messages kept off the console and turned into ours, and the map's grid in the
// terms GDAL takes.

#include <gdal.h>

#include <memory>
#include <string>

// Registers GDAL's drivers the first time it is called.
void EnsureGdalDrivers();

struct DatasetCloser {
    void operator()(GDALDatasetH dataset) const { GDALClose(dataset); }
};
using DatasetHandle = std::unique_ptr<std::remove_pointer_t<GDALDatasetH>, DatasetCloser>;

// While alive, GDAL's errors and warnings are collected instead of printed.
class QuietGdalErrors {
  public:
    QuietGdalErrors();
    ~QuietGdalErrors();
    QuietGdalErrors(const QuietGdalErrors&) = delete;
    QuietGdalErrors& operator=(const QuietGdalErrors&) = delete;

    // GDAL's last error message since construction (or `fallback` when it gave none).
    static std::string LastMessage(const std::string& fallback);
};

// The map's grid: EPSG:4326, west, south, east, north edges, 640 x 320 cells.
constexpr const char* MapGridSrs = "EPSG:4326";
constexpr double MapWest = -5.0;
constexpr double MapSouth = 45.0;
constexpr double MapEast = 15.0;
constexpr double MapNorth = 55.0;
// The affine transform of the grid (origin at the north-west corner, 1/32 degree a cell).
void MapGridGeoTransform(double transform[6]);

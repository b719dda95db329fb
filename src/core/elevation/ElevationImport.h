#pragma once
// Importing georeferenced elevation rasters of any format GDAL reads (GeoTIFF, SRTM .hgt,
// ESRI ASCII grids, ...): the sources are mosaicked and warped onto the map's grid (plain
// latitude/longitude, 5 W-15 E and 45 N-55 N, 32 cells a degree) and their metres translated
// by the height rule. No dialogs: the editor and maptool report the outcome themselves.

#include "core/height/DemWindowConversion.h"
#include "core/height/ElevationRule.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How source samples are combined into one map cell.
enum class Resampling { Average, Bilinear, Cubic, Nearest };

// "average", "bilinear", "cubic", "nearest" and back.
const char* ResamplingName(Resampling resampling);
std::optional<Resampling> ResamplingNamed(std::string_view name);

struct ElevationImportOptions {
    Resampling resampling = Resampling::Average;
    double topMetres = DemFullScale; // metres that give full scale (65535)
};

// Called with the share done so far (0 to 1); returning false cancels the import.
using ImportProgress = std::function<bool(double done)>;

struct ElevationImportResult {
    std::optional<TranslatedElevation> elevation; // set on success
    bool cancelled = false;
    std::string error; // what went wrong when neither succeeded nor cancelled
};

// Whether this build can read and write georeferenced rasters at all.
bool ElevationRastersAvailable();

// Reads, mosaics and warps the sources. Fails with a message naming the source when one
// cannot be read, has no elevation band, is not georeferenced or does not overlap the map.
ElevationImportResult ImportElevation(const std::vector<std::string>& sources,
                                      const ElevationImportOptions& options,
                                      const ImportProgress& progress = {});

// A GeoTIFF of the height map in metres (the rule inverted for `topMetres`), sea as no-data,
// georeferenced on the map's grid; empty with `error` set when it cannot be made.
std::optional<std::vector<uint8_t>> HeightsAsGeoTiff(std::span<const uint16_t> heights,
                                                     double topMetres, std::string& error);

// The text shown when the build has no raster support.
constexpr const char* ElevationRastersUnavailableText =
    "Elevation rasters are unavailable: this build has no GDAL.";

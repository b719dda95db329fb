// Built instead of the GDAL implementation when the build has no GDAL.
#include "core/elevation/ElevationImport.h"

bool ElevationRastersAvailable() {
    return false;
}

ElevationImportResult ImportElevation(const std::vector<std::string>&,
                                      const ElevationImportOptions&, const ImportProgress&) {
    ElevationImportResult result;
    result.error = ElevationRastersUnavailableText;
    return result;
}

std::optional<std::vector<uint8_t>> HeightsAsGeoTiff(std::span<const uint16_t>, double,
                                                     std::string& error) {
    error = ElevationRastersUnavailableText;
    return std::nullopt;
}

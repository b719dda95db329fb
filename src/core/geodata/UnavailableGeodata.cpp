// Built instead of the GDAL reader when the build has no GDAL.
#include "core/geodata/GeodataSources.h"

GeodataReadResult ReadGeodata(const GeodataSources&) {
    return {std::nullopt, "Geographic data cannot be read: this build has no GDAL."};
}

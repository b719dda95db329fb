#include "core/elevation/GdalSupport.h"

#include "core/map/MapGeometry.h"

#include <cpl_error.h>

#include <mutex>

void EnsureGdalDrivers() {
    static std::once_flag registered;
    std::call_once(registered, [] { GDALAllRegister(); });
}

QuietGdalErrors::QuietGdalErrors() {
    CPLPushErrorHandler(CPLQuietErrorHandler);
    CPLErrorReset();
}

QuietGdalErrors::~QuietGdalErrors() {
    CPLPopErrorHandler();
}

std::string QuietGdalErrors::LastMessage(const std::string& fallback) {
    const char* message = CPLGetLastErrorMsg();
    return message && *message ? std::string(message) : fallback;
}

void MapGridGeoTransform(double transform[6]) {
    transform[0] = MapWest;
    transform[1] = (MapEast - MapWest) / MapWidth;
    transform[2] = 0.0;
    transform[3] = MapNorth;
    transform[4] = 0.0;
    transform[5] = -(MapNorth - MapSouth) / MapHeight;
}

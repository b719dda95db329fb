#include "core/geodata/GeoGrid.h"

#include "core/map/MapGeometry.h"

#include <cmath>

namespace {

constexpr double WestLongitude = -5.0;
constexpr double NorthLatitude = 55.0;
constexpr double CellsPerDegree = 32.0;

} // namespace

bool CellOfGeoPoint(const GeoPoint& point, int& row, int& column) {
    const double x = std::floor((point.longitude - WestLongitude) * CellsPerDegree);
    const double y = std::floor((NorthLatitude - point.latitude) * CellsPerDegree);
    if (!(x >= 0 && x < MapWidth && y >= 0 && y < MapHeight))
        return false;
    column = static_cast<int>(x);
    row = static_cast<int>(y);
    return true;
}

bool CellOfWorldPoint(int32_t x, int32_t y, int& row, int& column) {
    // Floor division: points west of or above the world origin have negative coordinates.
    const int64_t c = (static_cast<int64_t>(x) >> 18) + WorldOriginColumn;
    const int64_t r = (static_cast<int64_t>(y) >> 18) + WorldOriginRow;
    if (!IsInsideMap(static_cast<int>(r), static_cast<int>(c)))
        return false;
    row = static_cast<int>(r);
    column = static_cast<int>(c);
    return true;
}

int32_t WorldXOf(double longitude) {
    const double column = (longitude - WestLongitude) * CellsPerDegree;
    return static_cast<int32_t>(std::lround((column - WorldOriginColumn) * WorldUnitsPerCell));
}

int32_t WorldYOf(double latitude) {
    const double row = (NorthLatitude - latitude) * CellsPerDegree;
    return static_cast<int32_t>(std::lround((row - WorldOriginRow) * WorldUnitsPerCell));
}

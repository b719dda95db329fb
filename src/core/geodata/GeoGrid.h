#pragma once
// Places on the map's grid: latitude and longitude (column 0 on 5 W, row 0 on 55 N, 32 cells
// a degree) and world units, for the inputs that arrive as coordinates.

#include <cstdint>
#include <vector>

struct GeoPoint {
    double longitude = 0;
    double latitude = 0;
};
using GeoPolyline = std::vector<GeoPoint>;

// Map cell of a point; false when the point lies outside the map.
bool CellOfGeoPoint(const GeoPoint& point, int& row, int& column);

// The map cell of a point in world units; false outside the map.
bool CellOfWorldPoint(int32_t x, int32_t y, int& row, int& column);

// World units of a point (inside the map, so that they fit in 32 bits).
int32_t WorldXOf(double longitude);
int32_t WorldYOf(double latitude);

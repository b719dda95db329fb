#pragma once
// Readers for the two text dumps of the coastline tools that the sample's terrain starts from
// (see README.md): a land mask grid as "longitude latitude value" lines, and multi-segment
// polylines as "longitude latitude" lines with a ">" line before each segment.

#include <optional>
#include <string>
#include <vector>

struct GeoPoint {
    double longitude = 0;
    double latitude = 0;
};
using GeoPolyline = std::vector<GeoPoint>;

// Map cell of a point of the map's window (column 0 on 5 W, row 0 on 55 N, 32 cells per
// degree); false when the point lies outside the map.
bool CellOfGeoPoint(const GeoPoint& point, int& row, int& column);

// One flag per map cell, 1 where the grid's value at the cell's centre is non-zero (land).
std::optional<std::vector<uint8_t>> ReadLandMaskXyz(const std::string& path, std::string& error);

std::optional<std::vector<GeoPolyline>> ReadPolylines(const std::string& path, std::string& error);

#pragma once
// Readers for the two text dumps of the coastline tools that the sample's terrain starts from
// (see README.md): a land mask grid as "longitude latitude value" lines, and multi-segment
// polylines as "longitude latitude" lines with a ">" line before each segment.

#include "core/geodata/GeoGrid.h"

#include <optional>
#include <string>
#include <vector>

// One flag per map cell, 1 where the grid's value at the cell's centre is non-zero (land).
std::optional<std::vector<uint8_t>> ReadLandMaskXyz(const std::string& path, std::string& error);

std::optional<std::vector<GeoPolyline>> ReadPolylines(const std::string& path, std::string& error);

#pragma once
// The geographic inputs of a new map, brought onto the map's grid: what the GDAL readers make
// of the user's files and what the map generation works from.

#include "core/geodata/GeoGrid.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Land cover classes of a cell.
enum class CoverClass : uint8_t { None, Forest, Town, Field, Mountain };

struct GeodataCity {
    std::string name; // UTF-8
    GeoPoint place;
    std::optional<double> population;
};

struct GeodataLayers {
    std::vector<uint8_t> land;       // one flag per map cell, 1 on land (lakes are water)
    std::vector<GeoPolyline> rivers; // in latitude and longitude
    std::vector<CoverClass> cover;   // one class per map cell, or empty without land cover
    std::optional<std::vector<uint16_t>> heights; // imported elevation, one height per cell
    std::vector<GeodataCity> cities;
    // What was read, a line per input, for the report.
    std::vector<std::string> used;
};

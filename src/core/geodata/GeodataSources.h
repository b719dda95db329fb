#pragma once
// The files a new map is made from, read through GDAL/OGR onto the map's grid. Only the land
// is required; any vector or raster format GDAL reads will do, in any coordinate system.
//   land       polygons of land, or a raster that is non-zero on land
//   water      river lines and lake polygons
//   cover      polygons with a "class" field (forest, town, field, mountain), or a raster
//              whose values `coverClasses` names ("1=forest,2=town,3=field,4=mountain")
//   cities     points with a "name" field and, where present, a "population"
//   elevation  any elevation raster, imported as Import Elevation does

#include "core/geodata/GeodataLayers.h"

#include <optional>
#include <string>

struct GeodataSources {
    std::string land;
    std::string water;
    std::string cover;
    std::string coverClasses;
    std::string cities;
    std::string elevation;
};

struct GeodataReadResult {
    std::optional<GeodataLayers> layers; // set on success
    std::string error;                   // names the file and what is wrong with it
};

GeodataReadResult ReadGeodata(const GeodataSources& sources);

#pragma once
// A whole new map from geographic layers: the shore through the cells' corners (so that
// neighbouring coast tiles always join), rivers joined as AutoDraw Rivers joins them, towns
// at the largest cities, mountains and forests from elevation and land cover, fields
// elsewhere, finished with Expand Fields, Field Transitions and Randomize Tiles. The same
// layers and seed give the same map.

#include "core/geodata/GeodataLayers.h"
#include "core/map/MapGeometry.h"
#include "core/rails/RailTypes.h"
#include "core/tilemap/TileCatalogue.h"

#include <cstdint>
#include <string>
#include <vector>

struct MapGenerationOptions {
    uint32_t seed = 1;
    int cityCount = 30; // the largest cities inside the map that become towns and targets
};

struct MapGenerationFigures {
    int disagreeingPairs = 0; // neighbours whose shared side differs in water and land
    int agreeingCells = 0;    // cells whose middle is water exactly where the land mask is
    int riverCells = 0;
    int towns = 0;
    double AgreementShare() const { return agreeingCells / double(MapCellCount); }
};

struct GeneratedMap {
    std::vector<TileCell> tiles;     // MapCellCount cells
    std::vector<uint16_t> heights;   // MapCellCount heights, 0 exactly on water
    std::vector<TargetArea> targets; // the chosen cities, largest first
    MapGenerationFigures figures;
};

// `layers.land` must hold MapCellCount flags (and `cover` and `heights`, when present, as
// many values).
GeneratedMap GenerateMap(const GeodataLayers& layers, const MapGenerationOptions& options);

// The report: what was used, then the figures.
std::string MapGenerationReport(const GeodataLayers& layers, const MapGenerationOptions& options,
                                const GeneratedMap& map);

#pragma once
// The editable layers as they stood when an edit began, to tell afterwards what it changed.

#include "core/rails/RailNetwork.h"
#include "core/tilemap/TileCatalogue.h"

#include <cstdint>
#include <vector>

class MapDocument;

struct LayerSnapshot {
    std::vector<TileCell> tiles;   // empty: no tile map
    std::vector<uint16_t> heights; // empty: no height map
    RailNetwork rails;

    static LayerSnapshot Of(const MapDocument& document);
};

#pragma once
// Lays the tiles of a generated map before the finishing utilities run: water, coast and land
// from the shore's corners; mountains, forests, towns and fields on land from elevation and
// land cover (or, without cover, large seeded patches of forest and farmland); river tiles
// joined along the river cells and into the sea through the coast's river mouths; a town at
// each of the chosen cities.

#include "core/ClassicRandom.h"
#include "core/geodata/CoastLattice.h"
#include "core/geodata/GeodataLayers.h"
#include "core/rails/RailTypes.h"

#include <vector>

struct GeodataPaintInput {
    const CoastLattice& coast;
    const std::vector<uint8_t>& rivers;   // one flag per cell, only on cells all land
    const std::vector<CoverClass>& cover; // empty without land cover
    const std::vector<uint16_t>& heights;
    const std::vector<TargetArea>& towns;
};

struct PaintedTiles {
    std::vector<TileCell> tiles;
    int towns = 0; // cities that got a town (those on water or a river got none)
};

PaintedTiles PaintGeodataTiles(const GeodataPaintInput& input, ClassicRandom& random);

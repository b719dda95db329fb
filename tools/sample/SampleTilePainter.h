#pragma once
// Paints the sample's tile map from its converted heights: sea where the height is 0, shores
// turned to face the sea, river tiles joined along the river cells, mountains, forests, fields
// and grass by height and by large patches of seeded noise, and a small town on every target
// area. The whole-map tile utilities (field transitions, randomizing) are run afterwards by
// the builder, as a user would.

#include "core/ClassicRandom.h"
#include "core/height/HeightMap.h"
#include "core/rails/RailTypes.h"
#include "core/tilemap/TileCatalogue.h"

#include <cstdint>
#include <vector>

// Tile codes that the painter lays down.
namespace sample_tiles {
constexpr TileCode Grass = 1;
constexpr TileCode Water = 2;
constexpr TileCode Coast = 3;            // straight shore, sea to the south when unturned
constexpr TileCode CoastOuterCorner = 4; // land jutting into the sea
constexpr TileCode CoastInnerCorner = 5; // sea reaching in at one corner
constexpr TileCode Mountain = 22;
constexpr TileCode Forest = 27;
constexpr TileCode TownCentre = 10;
} // namespace sample_tiles

// One cell byte per map cell. `rivers` has one flag per cell; `random` drives the choice of
// field tiles and town blocks (the caller seeds it, so the result is reproducible).
std::vector<TileCell> PaintSampleTiles(const HeightMap& heights, const std::vector<uint8_t>& rivers,
                                       const std::vector<TargetArea>& towns, ClassicRandom& random);

#pragma once
// The shape shared by randomize, expand-fields and field-transitions: read a texture map,
// run one tile utility with a seeded generator, write the texture map.

#include "core/ClassicRandom.h"
#include "core/tilemap/TileMap.h"

#include <string>
#include <vector>

using TileUtility = void (*)(TileMap&, ClassicRandom&);

// Arguments: IN.tm OUT.tm [--seed N]; without a seed the generator is seeded with the time.
int RunTileUtility(const std::vector<std::string>& arguments, TileUtility utility);

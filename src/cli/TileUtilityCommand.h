#pragma once
// The shape shared by randomize, expand-fields and field-transitions: read a texture map,
// run one tile utility with a seeded generator, write the texture map.

#include "core/ClassicRandom.h"
#include "core/tilemap/TileMap.h"

#include <string>
#include <vector>

using TileUtility = void (*)(TileMap&, ClassicRandom&);

// Where the generator starts without --seed: as the editor's menu command does it.
enum class UnseededStart {
    Clock, // seeded with the time in seconds (Randomize Tiles, Field Transitions)
    Fresh, // the generator as a freshly started editor has it (Expand Fields seeds nothing)
};

// Arguments: IN.tm OUT.tm [--seed N]; --seed N starts the generator at N.
int RunTileUtility(const std::vector<std::string>& arguments, TileUtility utility,
                   UnseededStart unseeded);

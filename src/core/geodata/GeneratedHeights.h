#pragma once
// The height map of a generated map: 0 exactly where a cell's middle is water; on land the
// imported elevation (at least the lowest land height) or, without one, ground that rises
// gently with the distance from the water.

#include "core/geodata/CoastLattice.h"

#include <cstdint>
#include <optional>
#include <vector>

std::vector<uint16_t> GenerateHeights(const CoastLattice& coast,
                                      const std::optional<std::vector<uint16_t>>& imported);

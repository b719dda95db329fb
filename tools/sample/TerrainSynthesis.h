#pragma once
// The sample's elevation: the real coast and rivers of the map's window with made-up relief.
// Heights rise gently inland from the coast; the main mountain ranges and uplands of the
// window (the Alps along the south-east, the central uplands of Germany and France, the hills
// of Britain) are laid as ridges along their rough course; seeded noise roughens everything in
// proportion to the relief; rivers cut shallow valleys; low coastal land behind the North Sea
// dips below sea level. Used once to make the committed input (see README.md).

#include "SampleInput.h"

#include <cstdint>
#include <vector>

// `land` and `rivers` hold one flag per map cell. The result's rivers are `rivers`.
SampleInput SynthesizeTerrain(const std::vector<uint8_t>& land, const std::vector<uint8_t>& rivers,
                              uint32_t seed);

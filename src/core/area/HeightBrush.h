#pragma once
// The height brush: one dab changes the heights of the cells within a radius of a centre
// cell, most at the centre and less towards the rim as the falloff says.

#include "core/area/CellRect.h"
#include "core/height/HeightMap.h"

#include <cstdint>

enum class BrushMode { Raise, Lower, Flatten, Smooth, Set };
enum class BrushFalloff { Constant, Linear, Smooth };

struct BrushSettings {
    static constexpr int MinRadius = 1;
    static constexpr int MaxRadius = 32;

    BrushMode mode = BrushMode::Raise;
    BrushFalloff falloff = BrushFalloff::Smooth;
    int radius = 4;      // cells within this distance of the centre are touched
    int strength = 500;  // the most a dab moves one height, at full weight
    uint16_t target = 0; // what Flatten and Set move towards
};

// The weight of a cell at squared distance `distanceSquared` from the centre, 0 to 1; 0
// outside the radius.
float BrushWeight(BrushFalloff falloff, int radius, int distanceSquared);

// One dab at (row, column), which may lie off the map: every touched cell moves by at most
// strength x weight, up (Raise), down (Lower), towards `target` (Flatten, Set) or towards the
// mean of its 3 x 3 neighbours on the map as they were before the dab (Smooth). Heights stay
// within 0 ... 65535. Returns the rectangle of cells looked at on the map.
CellRect ApplyBrushDab(HeightMap& heights, int row, int column, const BrushSettings& brush);

#include "core/area/HeightBrush.h"

#include "core/area/BrushStroke.h"

#include <cmath>

float BrushWeight(BrushFalloff falloff, int radius, int distanceSquared) {
    const float reach = static_cast<float>(radius) + 0.5f;
    const float d2 = static_cast<float>(distanceSquared);
    if (d2 >= reach * reach)
        return 0.0f;
    // Distances are scaled by the reciprocal of the reach rather than divided by it, which the
    // brush's table of amounts can do many at a time for a fraction of a division's cost.
    switch (falloff) {
    case BrushFalloff::Constant:
        return 1.0f;
    case BrushFalloff::Linear:
        return 1.0f - std::sqrt(d2) * (1.0f / reach);
    case BrushFalloff::Smooth: {
        const float t = 1.0f - d2 * (1.0f / (reach * reach));
        return t * t;
    }
    }
    return 0.0f;
}

CellRect ApplyBrushDab(HeightMap& heights, int row, int column, const BrushSettings& brush) {
    return BrushStroke(brush).Dab(heights, row, column);
}

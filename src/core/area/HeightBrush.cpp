#include "core/area/HeightBrush.h"

#include "core/area/BrushStroke.h"

#include <cmath>

float BrushWeight(BrushFalloff falloff, int radius, int distanceSquared) {
    const float reach = static_cast<float>(radius) + 0.5f;
    const float d2 = static_cast<float>(distanceSquared);
    if (d2 >= reach * reach)
        return 0.0f;
    switch (falloff) {
    case BrushFalloff::Constant:
        return 1.0f;
    case BrushFalloff::Linear:
        return 1.0f - std::sqrt(d2) / reach;
    case BrushFalloff::Smooth: {
        const float t = 1.0f - d2 / (reach * reach);
        return t * t;
    }
    }
    return 0.0f;
}

CellRect ApplyBrushDab(HeightMap& heights, int row, int column, const BrushSettings& brush) {
    return BrushStroke(brush).Dab(heights, row, column);
}

#include "core/area/HeightBrush.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

namespace {
// The mean of the 3 x 3 block around (row, column) within `area` of `before`, whose rows are
// `area.Width()` long and start at area's top-left corner.
int NeighbourMean(const std::vector<uint16_t>& before, const CellRect& area, int row, int column) {
    int sum = 0;
    int count = 0;
    for (int r = std::max(row - 1, area.top); r <= std::min(row + 1, area.bottom - 1); ++r)
        for (int c = std::max(column - 1, area.left); c <= std::min(column + 1, area.right - 1);
             ++c) {
            sum += before[static_cast<size_t>((r - area.top) * area.Width() + c - area.left)];
            ++count;
        }
    return sum / count;
}

// The area Smooth reads: the dab's cells and a ring of one cell around them, on the map.
std::vector<uint16_t> CopyArea(const HeightMap& heights, const CellRect& area) {
    std::vector<uint16_t> copy(static_cast<size_t>(area.Width()) *
                               static_cast<size_t>(area.Height()));
    for (int r = area.top; r < area.bottom; ++r)
        std::copy_n(heights.Heights().begin() + CellIndex(r, area.left), area.Width(),
                    copy.begin() + (r - area.top) * area.Width());
    return copy;
}
} // namespace

CellRect ApplyBrushDab(HeightMap& heights, int row, int column, const BrushSettings& brush) {
    const int radius = std::max(brush.radius, BrushSettings::MinRadius);
    const CellRect rect =
        CellRect{column - radius, row - radius, column + radius + 1, row + radius + 1}
            .ClippedToMap();
    if (!heights.HasHeightMap() || rect.Empty())
        return {};
    const CellRect around =
        CellRect{rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1}.ClippedToMap();
    std::vector<uint16_t> before;
    if (brush.mode == BrushMode::Smooth)
        before = CopyArea(heights, around);

    const float strength = static_cast<float>(std::clamp(brush.strength, 0, 65535));
    const std::span<uint16_t> cells = heights.Heights();
    for (int r = rect.top; r < rect.bottom; ++r) {
        const int dy = r - row;
        uint16_t* line = cells.data() + CellIndex(r, 0);
        for (int c = rect.left; c < rect.right; ++c) {
            const int dx = c - column;
            const float step = strength * BrushWeight(brush.falloff, radius, dx * dx + dy * dy);
            const int amount = static_cast<int>(step + 0.5f);
            if (amount == 0)
                continue;
            const int height = line[c];
            int moved = height;
            switch (brush.mode) {
            case BrushMode::Raise:
                moved = height + amount;
                break;
            case BrushMode::Lower:
                moved = height - amount;
                break;
            case BrushMode::Flatten:
            case BrushMode::Set:
                moved = height + std::clamp(brush.target - height, -amount, amount);
                break;
            case BrushMode::Smooth:
                moved = height +
                        std::clamp(NeighbourMean(before, around, r, c) - height, -amount, amount);
                break;
            }
            line[c] = static_cast<uint16_t>(std::clamp(moved, 0, 65535));
        }
    }
    return rect;
}

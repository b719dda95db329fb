#include "core/area/BrushStroke.h"

#include "core/area/BlockMeans.h"
#include "core/area/MoveHeights.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
// The nearest and farthest distances from `centre` to a cell of [from, to), along one axis.
int NearestOffset(int centre, int from, int to) {
    return centre < from ? from - centre : centre >= to ? centre - (to - 1) : 0;
}
int FarthestOffset(int centre, int from, int to) {
    return std::max(std::abs(from - centre), std::abs(to - 1 - centre));
}
} // namespace

// The dabs of a stroke share one brush, so the amounts of the whole brush are kept from one
// dab to the next; a brush too wide for that gets those of each dab alone.
const BrushAmounts& BrushStroke::AmountsFor(int radius, int rowFrom, int rowTo, int columnFirst,
                                            int columnLast) {
    constexpr int WidestKept = 255;
    const int strength = std::clamp(brush_.strength, 0, 65535);
    if (!amounts_ || !amounts_->Holds(brush_.falloff, radius, strength, rowFrom, rowTo, columnFirst,
                                      columnLast)) {
        if (radius <= WidestKept)
            amounts_.emplace(brush_.falloff, radius, strength, 0, radius, -radius, radius);
        else
            amounts_.emplace(brush_.falloff, radius, strength, rowFrom, rowTo, columnFirst,
                             columnLast);
    }
    return *amounts_;
}

CellRect BrushStroke::Dab(HeightMap& heights, int row, int column) {
    const BrushSettings& brush = brush_;
    const int radius = std::max(brush.radius, BrushSettings::MinRadius);
    const CellRect rect =
        CellRect{column - radius, row - radius, column + radius + 1, row + radius + 1}
            .ClippedToMap();
    if (!heights.HasHeightMap() || rect.Empty())
        return {};
    const BrushAmounts& amounts = AmountsFor(radius, NearestOffset(row, rect.top, rect.bottom),
                                             FarthestOffset(row, rect.top, rect.bottom),
                                             rect.left - column, rect.right - 1 - column);

    const bool smooth = brush.mode == BrushMode::Smooth;
    const CellRect around =
        CellRect{rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1}.ClippedToMap();
    std::optional<BlockMeans> blocks;
    std::vector<uint16_t> means;
    if (smooth) {
        blocks.emplace(heights, around);
        means.resize(static_cast<size_t>(rect.Width()));
    }
    uint16_t target = brush.target;
    if (brush.mode == BrushMode::Raise || brush.mode == BrushMode::Lower)
        target = brush.mode == BrushMode::Raise ? 65535 : 0;

    const std::span<uint16_t> cells = heights.Heights();
    for (int r = rect.top; r < rect.bottom; ++r) {
        const int dy = std::abs(r - row);
        // The cells of the row within the radius.
        const int reach = amounts.Reach(dy);
        const int left = std::max(rect.left, column - reach + 1);
        const int right = std::min(rect.right, column + reach);
        if (left >= right)
            continue;
        uint16_t* line = cells.data() + CellIndex(r, left);
        const uint16_t* rowAmounts = amounts.At(dy, left - column);
        if (smooth) {
            blocks->RowMeans(r, left, right, means.data());
            MoveHeightsTowards(line, right - left, rowAmounts, means.data());
        } else {
            MoveHeightsTowards(line, right - left, rowAmounts, target);
        }
    }
    return rect;
}

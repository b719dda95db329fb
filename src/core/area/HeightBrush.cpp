#include "core/area/HeightBrush.h"

#include "core/area/BrushAmounts.h"
#include "core/area/MoveHeights.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
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
// The nearest and farthest distances from `centre` to a cell of [from, to), along one axis.
int NearestOffset(int centre, int from, int to) {
    return centre < from ? from - centre : centre >= to ? centre - (to - 1) : 0;
}
int FarthestOffset(int centre, int from, int to) {
    return std::max(std::abs(from - centre), std::abs(to - 1 - centre));
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

// Smooth's targets for cells [left, right) of `row`: the mean of each cell's 3 x 3 block
// within `area` of `before`, whose rows are `area.Width()` long from area's top-left corner.
void NeighbourMeans(const std::vector<uint16_t>& before, const CellRect& area, int row, int left,
                    int right, uint16_t* means) {
    const int top = std::max(row - 1, area.top);
    const int bottom = std::min(row + 2, area.bottom);
    const auto at = [&](int r, int c) {
        return static_cast<int>(
            before[static_cast<size_t>((r - area.top) * area.Width() + c - area.left)]);
    };
    const auto columnSum = [&](int c) {
        int sum = 0;
        for (int r = top; r < bottom; ++r)
            sum += at(r, c);
        return sum;
    };
    const int rows = bottom - top;
    int previous = left > area.left ? columnSum(left - 1) : 0;
    int current = columnSum(left);
    for (int c = left; c < right; ++c) {
        const int next = c + 1 < area.right ? columnSum(c + 1) : 0;
        const int columns = 1 + (c > area.left) + (c + 1 < area.right);
        const int sum = previous + current + next;
        // Inside the map the block is 3 x 3, and a division by the constant is a multiply.
        means[c - left] =
            static_cast<uint16_t>(rows * columns == 9 ? sum / 9 : sum / (rows * columns));
        previous = current;
        current = next;
    }
}

// The amounts for a dab whose cells lie at row offsets |dy| in [rowFrom, rowTo] and column
// offsets [columnFirst, columnLast]. The dabs of a stroke share one brush, so the amounts of
// the whole brush are kept from one dab to the next; a brush too wide for that gets those of
// the dab alone.
const BrushAmounts& AmountsFor(BrushFalloff falloff, int radius, int strength, int rowFrom,
                               int rowTo, int columnFirst, int columnLast) {
    constexpr int WidestKept = 255;
    thread_local std::optional<BrushAmounts> kept;
    if (!kept || !kept->Holds(falloff, radius, strength, rowFrom, rowTo, columnFirst, columnLast)) {
        if (radius <= WidestKept)
            kept.emplace(falloff, radius, strength, 0, radius, -radius, radius);
        else
            kept.emplace(falloff, radius, strength, rowFrom, rowTo, columnFirst, columnLast);
    }
    return *kept;
}
} // namespace

CellRect ApplyBrushDab(HeightMap& heights, int row, int column, const BrushSettings& brush) {
    const int radius = std::max(brush.radius, BrushSettings::MinRadius);
    const CellRect rect =
        CellRect{column - radius, row - radius, column + radius + 1, row + radius + 1}
            .ClippedToMap();
    if (!heights.HasHeightMap() || rect.Empty())
        return {};
    const BrushAmounts& amounts = AmountsFor(
        brush.falloff, radius, std::clamp(brush.strength, 0, 65535),
        NearestOffset(row, rect.top, rect.bottom), FarthestOffset(row, rect.top, rect.bottom),
        rect.left - column, rect.right - 1 - column);

    const bool smooth = brush.mode == BrushMode::Smooth;
    const CellRect around =
        CellRect{rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1}.ClippedToMap();
    std::vector<uint16_t> before;
    std::vector<uint16_t> means;
    if (smooth) {
        before = CopyArea(heights, around);
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
            NeighbourMeans(before, around, r, left, right, means.data());
            MoveHeightsTowards(line, right - left, rowAmounts, means.data());
        } else {
            MoveHeightsTowards(line, right - left, rowAmounts, target);
        }
    }
    return rect;
}

#include "core/area/BlockMeans.h"

#include <algorithm>

BlockMeans::BlockMeans(const HeightMap& heights, const CellRect& area)
    : area_(area), zeros_(static_cast<size_t>(area.Width())),
      sums_(static_cast<size_t>(area.Width())) {
    before_.resize(static_cast<size_t>(area.Width()) * static_cast<size_t>(area.Height()));
    for (int r = area.top; r < area.bottom; ++r)
        std::copy_n(heights.Heights().begin() + CellIndex(r, area.left), area.Width(),
                    before_.begin() + (r - area.top) * area.Width());
}

const uint16_t* BlockMeans::Row(int row) const {
    if (row < area_.top || row >= area_.bottom)
        return zeros_.data();
    return before_.data() + static_cast<size_t>((row - area_.top) * area_.Width());
}

void BlockMeans::RowMeans(int row, int left, int right, uint16_t* means) {
    const int from = std::max(left - 1, area_.left);
    const int to = std::min(right + 1, area_.right);
    const uint16_t* above = Row(row - 1) + (from - area_.left);
    const uint16_t* middle = Row(row) + (from - area_.left);
    const uint16_t* below = Row(row + 1) + (from - area_.left);
    for (int i = 0; i < to - from; ++i)
        sums_[static_cast<size_t>(i)] = above[i] + middle[i] + below[i];

    const int rows = 1 + (row > area_.top) + (row + 1 < area_.bottom);
    const auto meanAt = [&](int c) {
        const auto i = static_cast<size_t>(c - from);
        const bool hasLeft = c > area_.left;
        const bool hasRight = c + 1 < area_.right;
        const int sum = (hasLeft ? sums_[i - 1] : 0) + sums_[i] + (hasRight ? sums_[i + 1] : 0);
        return static_cast<uint16_t>(sum / (rows * (1 + hasLeft + hasRight)));
    };
    // Away from the map's edges every block is 3 x 3: a division by the constant, which is
    // a multiply.
    const int innerFrom = rows == 3 ? std::max(left, area_.left + 1) : right;
    const int innerTo = rows == 3 ? std::min(right, area_.right - 1) : right;
    int c = left;
    for (; c < innerFrom; ++c)
        means[c - left] = meanAt(c);
    for (; c < innerTo; ++c) {
        const auto i = static_cast<size_t>(c - from);
        means[c - left] = static_cast<uint16_t>(
            static_cast<unsigned>(sums_[i - 1] + sums_[i] + sums_[i + 1]) / 9u);
    }
    for (; c < right; ++c)
        means[c - left] = meanAt(c);
}

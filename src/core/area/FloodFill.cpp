#include "core/area/FloodFill.h"

#include <vector>

namespace {
struct Seed {
    int row;
    int column;
};
} // namespace

CellRect FloodFill(TileMap& tiles, int row, int column, TileCell fill) {
    if (!tiles.HasTileMap() || !IsInsideMap(row, column))
        return {};
    const std::span<TileCell> cells = tiles.Cells();
    const TileCode code = CodeOf(cells[static_cast<size_t>(CellIndex(row, column))]);
    // When the fill keeps the area's code, written cells still match; they are told apart
    // by a mark. Otherwise a written cell no longer matches and needs no mark.
    std::vector<bool> done;
    if (CodeOf(fill) == code)
        done.assign(MapCellCount, false);
    const auto open = [&](int index) {
        return CodeOf(cells[static_cast<size_t>(index)]) == code &&
               (done.empty() || !done[static_cast<size_t>(index)]);
    };

    CellRect touched;
    std::vector<Seed> seeds{{row, column}};
    while (!seeds.empty()) {
        const Seed seed = seeds.back();
        seeds.pop_back();
        const int rowStart = CellIndex(seed.row, 0);
        if (!open(rowStart + seed.column))
            continue;
        // The run of matching cells through the seed.
        int left = seed.column;
        while (left > 0 && open(rowStart + left - 1))
            --left;
        int right = seed.column + 1;
        while (right < MapWidth && open(rowStart + right))
            ++right;
        for (int c = left; c < right; ++c) {
            cells[static_cast<size_t>(rowStart + c)] = fill;
            if (!done.empty())
                done[static_cast<size_t>(rowStart + c)] = true;
        }
        touched = touched.Including(seed.row, left).Including(seed.row, right - 1);
        // One seed per run of matching cells above and below.
        for (const int next : {seed.row - 1, seed.row + 1}) {
            if (next < 0 || next >= MapHeight)
                continue;
            const int nextStart = CellIndex(next, 0);
            bool inRun = false;
            for (int c = left; c < right; ++c) {
                const bool matches = open(nextStart + c);
                if (matches && !inRun)
                    seeds.push_back({next, c});
                inRun = matches;
            }
        }
    }
    return touched;
}

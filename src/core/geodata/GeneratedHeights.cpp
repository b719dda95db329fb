#include "core/geodata/GeneratedHeights.h"

#include "core/height/DemWindowConversion.h"
#include "core/height/ElevationRule.h"

#include <algorithm>
#include <deque>

namespace {

constexpr double ShoreMetres = 4;
constexpr double MetresPerCellInland = 3;
constexpr double HighestPlainMetres = 300;

// Steps through cell sides from the nearest water cell; the whole map when there is none.
std::vector<int> DistanceFromWater(const std::vector<uint8_t>& water) {
    std::vector<int> distance(MapCellCount, MapWidth + MapHeight);
    std::deque<int> pending;
    for (int i = 0; i < MapCellCount; ++i)
        if (water[static_cast<size_t>(i)]) {
            distance[static_cast<size_t>(i)] = 0;
            pending.push_back(i);
        }
    while (!pending.empty()) {
        const int index = pending.front();
        pending.pop_front();
        const int row = index / MapWidth, column = index % MapWidth;
        const int around[4][2] = {
            {row - 1, column}, {row + 1, column}, {row, column - 1}, {row, column + 1}};
        for (const auto& n : around) {
            if (!IsInsideMap(n[0], n[1]))
                continue;
            int& next = distance[static_cast<size_t>(CellIndex(n[0], n[1]))];
            if (next > distance[static_cast<size_t>(index)] + 1) {
                next = distance[static_cast<size_t>(index)] + 1;
                pending.push_back(CellIndex(n[0], n[1]));
            }
        }
    }
    return distance;
}

} // namespace

std::vector<uint16_t> GenerateHeights(const CoastLattice& coast,
                                      const std::optional<std::vector<uint16_t>>& imported) {
    std::vector<uint8_t> water(MapCellCount, 0);
    for (int row = 0; row < MapHeight; ++row)
        for (int column = 0; column < MapWidth; ++column)
            water[static_cast<size_t>(CellIndex(row, column))] =
                CentreIsWater(coast.MaskAt(row, column)) ? 1 : 0;
    const uint16_t lowestLand = DemHeightOf(1);
    std::vector<uint16_t> heights(MapCellCount, 0);
    if (imported) {
        for (size_t i = 0; i < heights.size(); ++i)
            if (!water[i])
                heights[i] = std::max((*imported)[i], lowestLand);
        return heights;
    }
    const std::vector<int> distance = DistanceFromWater(water);
    for (size_t i = 0; i < heights.size(); ++i)
        if (!water[i])
            heights[i] =
                std::max(lowestLand,
                         ScaledHeightOf(std::min(HighestPlainMetres,
                                                 ShoreMetres + MetresPerCellInland * distance[i]),
                                        DemFullScale));
    return heights;
}

#include "SampleRailroads.h"

#include "SampleTilePainter.h"

#include "core/geodata/GeoGrid.h"
#include "core/tilemap/MapGeometry.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <numeric>
#include <queue>

namespace {

constexpr int CellsBetweenRailPoints = 5;
constexpr int LongestLine = 180; // cells; cities further apart are not joined directly

struct City {
    int row = 0;
    int column = 0;
};

struct Link {
    int from = 0;
    int to = 0;
    int length = 0; // squared distance in cells
};

class LandRouter {
  public:
    explicit LandRouter(const HeightMap& heights) : heights_(heights) {}

    bool IsLand(int index) const { return heights_.At(index) != 0; }

    // The cheapest 8-connected path over land from one cell to another, both included; empty
    // when the sea separates them. Climbing costs extra, so lines keep to valleys.
    std::vector<int> Route(int from, int to) const {
        constexpr int Unreached = std::numeric_limits<int>::max();
        std::vector<int> cost(MapCellCount, Unreached);
        std::vector<int> previous(MapCellCount, -1);
        using Entry = std::pair<int, int>;
        std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
        cost[static_cast<size_t>(from)] = 0;
        open.push({0, from});
        while (!open.empty()) {
            const auto [c, index] = open.top();
            open.pop();
            if (index == to)
                break;
            if (c > cost[static_cast<size_t>(index)])
                continue;
            const int row = index / MapWidth, column = index % MapWidth;
            for (int dr = -1; dr <= 1; ++dr)
                for (int dc = -1; dc <= 1; ++dc) {
                    const int r = row + dr, col = column + dc;
                    if ((dr == 0 && dc == 0) || !IsInsideMap(r, col))
                        continue;
                    const int next = CellIndex(r, col);
                    if (!IsLand(next))
                        continue;
                    const int climb = std::abs(heights_.At(next) - heights_.At(index)) / 64;
                    const int step =
                        (dr != 0 && dc != 0 ? 14 : 10) + climb + heights_.At(next) / 2048;
                    if (c + step < cost[static_cast<size_t>(next)]) {
                        cost[static_cast<size_t>(next)] = c + step;
                        previous[static_cast<size_t>(next)] = index;
                        open.push({c + step, next});
                    }
                }
        }
        std::vector<int> path;
        if (cost[static_cast<size_t>(to)] == Unreached)
            return path;
        for (int index = to; index != -1; index = previous[static_cast<size_t>(index)])
            path.push_back(index);
        std::reverse(path.begin(), path.end());
        return path;
    }

  private:
    const HeightMap& heights_;
};

// World point at the centre of a cell.
RailPoint CentreOf(int index) {
    const int row = index / MapWidth, column = index % MapWidth;
    return {(column - WorldOriginColumn) * WorldUnitsPerCell + WorldUnitsPerCell / 2,
            (row - WorldOriginRow) * WorldUnitsPerCell + WorldUnitsPerCell / 2};
}

// Adds every CellsBetweenRailPoints-th cell of the first `cellCount` cells of the path as a
// pending point, ending on the last of them.
void AddPathPoints(RailNetwork& rails, Shell& shell, const std::vector<int>& path,
                   size_t cellCount) {
    for (size_t i = 0; i < cellCount; ++i)
        if (i % CellsBetweenRailPoints == 0 || i + 1 == cellCount) {
            const RailPoint p = CentreOf(path[i]);
            AddRailPoint(rails, shell, p.x, p.y);
        }
}

std::vector<City> CitiesOnLand(const HeightMap& heights, const std::vector<TargetArea>& towns) {
    std::vector<City> cities;
    for (const TargetArea& town : towns) {
        City city;
        if (CellOfWorldPoint(town.x, town.y, city.row, city.column) &&
            heights.At(CellIndex(city.row, city.column)) != 0)
            cities.push_back(city);
    }
    return cities;
}

// Candidate links between cities, shortest first.
std::vector<Link> LinksByLength(const std::vector<City>& cities) {
    std::vector<Link> links;
    for (size_t a = 0; a < cities.size(); ++a)
        for (size_t b = a + 1; b < cities.size(); ++b) {
            const int dr = cities[a].row - cities[b].row;
            const int dc = cities[a].column - cities[b].column;
            const int length = dr * dr + dc * dc;
            if (length <= LongestLine * LongestLine)
                links.push_back({static_cast<int>(a), static_cast<int>(b), length});
        }
    std::stable_sort(links.begin(), links.end(),
                     [](const Link& x, const Link& y) { return x.length < y.length; });
    return links;
}

} // namespace

void LaySampleRailroads(RailNetwork& rails, Shell& shell, const HeightMap& heights,
                        const std::vector<TargetArea>& towns) {
    const std::vector<City> cities = CitiesOnLand(heights, towns);
    const LandRouter router(heights);
    std::vector<int> network(cities.size());
    std::iota(network.begin(), network.end(), 0);
    std::function<int(int)> networkOf = [&](int city) {
        return network[static_cast<size_t>(city)] == city
                   ? city
                   : network[static_cast<size_t>(city)] =
                         networkOf(network[static_cast<size_t>(city)]);
    };
    auto cellOf = [&](int city) {
        return CellIndex(cities[static_cast<size_t>(city)].row,
                         cities[static_cast<size_t>(city)].column);
    };

    std::vector<int> secondLine; // the shortest link between already joined cities
    for (const Link& link : LinksByLength(cities)) {
        const bool joined = networkOf(link.from) == networkOf(link.to);
        if (joined && !secondLine.empty())
            continue;
        const std::vector<int> path = router.Route(cellOf(link.from), cellOf(link.to));
        if (path.size() < 2)
            continue;
        if (joined) {
            secondLine = path;
            continue;
        }
        AddPathPoints(rails, shell, path, path.size());
        CommitRailPoints(rails, shell);
        network[static_cast<size_t>(networkOf(link.from))] = networkOf(link.to);
    }
    // The line being laid: its first half, left pending for the user to finish.
    if (!secondLine.empty())
        AddPathPoints(rails, shell, secondLine, secondLine.size() / 2 + 1);
}

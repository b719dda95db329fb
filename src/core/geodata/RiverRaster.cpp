#include "core/geodata/RiverRaster.h"

#include "core/map/MapGeometry.h"

#include <algorithm>
#include <cmath>
#include <queue>

namespace {

constexpr int MinimumRiverCells = 6;

class RiverCells {
  public:
    explicit RiverCells(std::vector<uint8_t>& flags) : flags_(flags) {}

    bool At(int row, int column) const {
        return IsInsideMap(row, column) && flags_[static_cast<size_t>(CellIndex(row, column))];
    }
    void Set(int row, int column, bool on) {
        if (IsInsideMap(row, column))
            flags_[static_cast<size_t>(CellIndex(row, column))] = on ? 1 : 0;
    }
    int NeighbourCount(int row, int column) const {
        return At(row - 1, column) + At(row + 1, column) + At(row, column - 1) +
               At(row, column + 1);
    }

  private:
    std::vector<uint8_t>& flags_;
};

// Marks the cells that the segment from a to b crosses, stepping through a shared edge
// (never only a corner) from one cell to the next.
void DrawSegment(RiverCells& cells, const GeoPoint& a, const GeoPoint& b, int& lastRow,
                 int& lastColumn) {
    const double length = std::hypot(b.longitude - a.longitude, b.latitude - a.latitude) * 32.0;
    const int steps = std::max(1, static_cast<int>(std::ceil(length * 4.0)));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const GeoPoint p{a.longitude + (b.longitude - a.longitude) * t,
                         a.latitude + (b.latitude - a.latitude) * t};
        int row = 0, column = 0;
        if (!CellOfGeoPoint(p, row, column)) {
            lastRow = -1;
            continue;
        }
        if (lastRow >= 0 && row != lastRow && column != lastColumn)
            cells.Set(lastRow, column, true);
        cells.Set(row, column, true);
        lastRow = row;
        lastColumn = column;
    }
}

// Labels the 4-connected groups of river cells; -1 off the rivers.
std::vector<int> GroupsOf(const std::vector<uint8_t>& flags) {
    std::vector<int> group(MapCellCount, -1);
    for (int start = 0; start < MapCellCount; ++start) {
        if (!flags[static_cast<size_t>(start)] || group[static_cast<size_t>(start)] >= 0)
            continue;
        std::queue<int> pending;
        pending.push(start);
        group[static_cast<size_t>(start)] = start;
        while (!pending.empty()) {
            const int index = pending.front();
            pending.pop();
            const int row = index / MapWidth, column = index % MapWidth;
            const int next[4][2] = {
                {row - 1, column}, {row + 1, column}, {row, column - 1}, {row, column + 1}};
            for (const auto& n : next) {
                if (!IsInsideMap(n[0], n[1]))
                    continue;
                const int ni = CellIndex(n[0], n[1]);
                if (flags[static_cast<size_t>(ni)] && group[static_cast<size_t>(ni)] < 0) {
                    group[static_cast<size_t>(ni)] = start;
                    pending.push(ni);
                }
            }
        }
    }
    return group;
}

// The river cells reachable from a cell in at most `steps` steps along the river.
std::vector<int> NearbyAlongRiver(const RiverCells& cells, int row, int column, int steps) {
    std::vector<int> reached = {CellIndex(row, column)};
    std::vector<int> frontier = reached;
    for (int step = 0; step < steps && !frontier.empty(); ++step) {
        std::vector<int> next;
        for (const int index : frontier) {
            const int r = index / MapWidth, c = index % MapWidth;
            const int around[4][2] = {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}};
            for (const auto& n : around) {
                if (!cells.At(n[0], n[1]))
                    continue;
                const int ni = CellIndex(n[0], n[1]);
                if (std::find(reached.begin(), reached.end(), ni) == reached.end()) {
                    reached.push_back(ni);
                    next.push_back(ni);
                }
            }
        }
        frontier = std::move(next);
    }
    return reached;
}

// The river data breaks rivers where they widen into lakes or change class; each loose end
// is joined to the nearest river cell within a few cells that is not just further along its
// own river.
void BridgeGaps(std::vector<uint8_t>& flags, const std::vector<uint8_t>& land) {
    constexpr int Reach = 6;
    RiverCells cells(flags);
    for (int row = 0; row < MapHeight; ++row)
        for (int column = 0; column < MapWidth; ++column) {
            if (!cells.At(row, column) || cells.NeighbourCount(row, column) > 1)
                continue;
            const std::vector<int> own = NearbyAlongRiver(cells, row, column, 3 * Reach);
            int bestRow = -1, bestColumn = -1, best = Reach * Reach + 1;
            for (int dr = -Reach; dr <= Reach; ++dr)
                for (int dc = -Reach; dc <= Reach; ++dc) {
                    const int r = row + dr, c = column + dc;
                    const int d = dr * dr + dc * dc;
                    if (d < best && cells.At(r, c) &&
                        std::find(own.begin(), own.end(), CellIndex(r, c)) == own.end()) {
                        best = d;
                        bestRow = r;
                        bestColumn = c;
                    }
                }
            if (bestRow < 0)
                continue;
            // An L-shaped path of cells, rows first, kept on land.
            int r = row, c = column;
            while (r != bestRow || c != bestColumn) {
                if (r != bestRow)
                    r += r < bestRow ? 1 : -1;
                else
                    c += c < bestColumn ? 1 : -1;
                if (land[static_cast<size_t>(CellIndex(r, c))])
                    cells.Set(r, c, true);
            }
        }
}

// Breaks every fully set 2 x 2 block by clearing a cell whose only river neighbours lie in
// the block, so that the river stays joined; a block whose every cell leads on stays.
void BreakBlocks(RiverCells& cells) {
    for (int row = 0; row + 1 < MapHeight; ++row)
        for (int column = 0; column + 1 < MapWidth; ++column) {
            if (!(cells.At(row, column) && cells.At(row, column + 1) && cells.At(row + 1, column) &&
                  cells.At(row + 1, column + 1)))
                continue;
            for (int corner = 0; corner < 4; ++corner) {
                const int r = row + corner / 2, c = column + corner % 2;
                if (cells.NeighbourCount(r, c) == 2) {
                    cells.Set(r, c, false);
                    break;
                }
            }
        }
}

// No tile joins four sides: where four rivers meet, the branch with the fewest further
// joins is cut back by one cell.
void ResolveCrossings(RiverCells& cells) {
    for (int row = 0; row < MapHeight; ++row)
        for (int column = 0; column < MapWidth; ++column) {
            if (!cells.At(row, column) || cells.NeighbourCount(row, column) < 4)
                continue;
            const int around[4][2] = {
                {row - 1, column}, {row + 1, column}, {row, column - 1}, {row, column + 1}};
            int cut = 0;
            for (int i = 1; i < 4; ++i)
                if (cells.NeighbourCount(around[i][0], around[i][1]) <
                    cells.NeighbourCount(around[cut][0], around[cut][1]))
                    cut = i;
            cells.Set(around[cut][0], around[cut][1], false);
        }
}

// Clears 4-connected groups of fewer than MinimumRiverCells cells.
void DropFragments(std::vector<uint8_t>& flags) {
    const std::vector<int> group = GroupsOf(flags);
    std::vector<int> size(MapCellCount, 0);
    for (const int g : group)
        if (g >= 0)
            ++size[static_cast<size_t>(g)];
    for (int i = 0; i < MapCellCount; ++i) {
        const int g = group[static_cast<size_t>(i)];
        if (g >= 0 && size[static_cast<size_t>(g)] < MinimumRiverCells)
            flags[static_cast<size_t>(i)] = 0;
    }
}

} // namespace

std::vector<uint8_t> RasterizeRivers(const std::vector<GeoPolyline>& rivers,
                                     const std::vector<uint8_t>& land) {
    std::vector<uint8_t> flags(MapCellCount, 0);
    RiverCells cells(flags);
    for (const GeoPolyline& line : rivers) {
        int lastRow = -1, lastColumn = -1;
        for (size_t i = 1; i < line.size(); ++i)
            DrawSegment(cells, line[i - 1], line[i], lastRow, lastColumn);
    }
    for (int i = 0; i < MapCellCount; ++i)
        if (!land[static_cast<size_t>(i)])
            flags[static_cast<size_t>(i)] = 0;
    BridgeGaps(flags, land);
    BreakBlocks(cells);
    ResolveCrossings(cells);
    DropFragments(flags);
    return flags;
}

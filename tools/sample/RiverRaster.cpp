#include "RiverRaster.h"

#include "core/tilemap/MapGeometry.h"

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

// Breaks every fully set 2 x 2 block by clearing the cell with the most river neighbours.
void BreakBlocks(RiverCells& cells) {
    for (int row = 0; row + 1 < MapHeight; ++row)
        for (int column = 0; column + 1 < MapWidth; ++column) {
            if (!(cells.At(row, column) && cells.At(row, column + 1) && cells.At(row + 1, column) &&
                  cells.At(row + 1, column + 1)))
                continue;
            int bestRow = row, bestColumn = column, best = -1;
            for (int dr = 0; dr < 2; ++dr)
                for (int dc = 0; dc < 2; ++dc) {
                    const int n = cells.NeighbourCount(row + dr, column + dc);
                    if (n > best) {
                        best = n;
                        bestRow = row + dr;
                        bestColumn = column + dc;
                    }
                }
            cells.Set(bestRow, bestColumn, false);
        }
}

// Clears 4-connected groups of fewer than MinimumRiverCells cells.
void DropFragments(std::vector<uint8_t>& flags) {
    std::vector<int> group(MapCellCount, -1);
    for (int start = 0; start < MapCellCount; ++start) {
        if (!flags[static_cast<size_t>(start)] || group[static_cast<size_t>(start)] >= 0)
            continue;
        std::vector<int> members;
        std::queue<int> pending;
        pending.push(start);
        group[static_cast<size_t>(start)] = start;
        while (!pending.empty()) {
            const int index = pending.front();
            pending.pop();
            members.push_back(index);
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
        if (members.size() < MinimumRiverCells)
            for (const int index : members)
                flags[static_cast<size_t>(index)] = 0;
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
    BreakBlocks(cells);
    DropFragments(flags);
    return flags;
}

#include "core/area/FloodFill.h"

#include "core/area/CodeRuns.h"

#include <algorithm>
#include <vector>

namespace {
// A run of cells of the area's code in `row`, found while scanning from the row `row -
// direction`, whose filled run was [parentLeft, parentRight). The run may reach further left
// or right than [left, right) where it met the end of the scanned part.
struct Span {
    int row;
    int left;
    int right; // exclusive
    int direction;
    int parentLeft;
    int parentRight;
};

// Scanline fill over whole runs of cells. A filled cell no longer has the area's code, so
// no cell needs a mark; each run is filled whole, so a run found earlier is either still
// open or was filled whole since.
class SpanFill {
  public:
    SpanFill(std::span<TileCell> cells, TileCode code, TileCell fill)
        : cells_(cells.data()), code_(code), fill_(fill) {}

    CellRect Run(int row, int column) {
        // The start as if reached from a row below whose run covered nothing.
        spans_.push_back({row, column, column + 1, -1, MapWidth, MapWidth});
        while (!spans_.empty()) {
            const Span span = spans_.back();
            spans_.pop_back();
            FillSpan(span);
        }
        return touched_;
    }

  private:
    TileCell* Row(int row) const { return cells_ + CellIndex(row, 0); }

    void FillSpan(const Span& span) {
        TileCell* line = Row(span.row);
        if (CodeOf(line[span.left]) != code_)
            return; // filled since it was found
        int left = span.left;
        while (left > 0 && CodeOf(line[left - 1]) == code_)
            --left;
        const int right = NextCellNotOfCode(line, span.right, MapWidth, code_);
        std::fill(line + left, line + right, fill_);
        touched_ = touched_.Including(span.row, left).Including(span.row, right - 1);
        // Onwards over the whole run; back only where the run reaches past its parent, whose
        // cells below or above are filled already.
        FindRuns(span.row + span.direction, left, right, span.direction, left, right);
        FindRuns(span.row - span.direction, left, std::min(span.parentLeft, right), -span.direction,
                 left, right);
        FindRuns(span.row - span.direction, std::max(span.parentRight, left), right,
                 -span.direction, left, right);
    }

    // Adds a span for every run of the area's code in [from, end) of `row`.
    void FindRuns(int row, int from, int end, int direction, int parentLeft, int parentRight) {
        if (row < 0 || row >= MapHeight)
            return;
        const TileCell* line = Row(row);
        for (int c = NextCellOfCode(line, from, end, code_); c < end;
             c = NextCellOfCode(line, c, end, code_)) {
            const int runEnd = NextCellNotOfCode(line, c + 1, end, code_);
            spans_.push_back({row, c, runEnd, direction, parentLeft, parentRight});
            c = runEnd;
        }
    }

    TileCell* cells_;
    TileCode code_;
    TileCell fill_;
    std::vector<Span> spans_;
    CellRect touched_;
};
} // namespace

CellRect FloodFill(TileMap& tiles, int row, int column, TileCell fill) {
    if (!tiles.HasTileMap() || !IsInsideMap(row, column))
        return {};
    const std::span<TileCell> cells = tiles.Cells();
    const TileCode code = CodeOf(cells[static_cast<size_t>(CellIndex(row, column))]);
    if (CodeOf(fill) != code)
        return SpanFill(cells, code, fill).Run(row, column);

    // A fill that keeps the code would leave its cells open: fill a copy with another code
    // instead, then write `fill` where the copy changed.
    std::vector<TileCell> copy(cells.begin(), cells.end());
    const CellRect touched = SpanFill(copy, code, MakeCell(0, code ^ 1)).Run(row, column);
    for (int r = touched.top; r < touched.bottom; ++r)
        for (int c = touched.left; c < touched.right; ++c) {
            const auto index = static_cast<size_t>(CellIndex(r, c));
            if (copy[index] != cells[index])
                cells[index] = fill;
        }
    return touched;
}

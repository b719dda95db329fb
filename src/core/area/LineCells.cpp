#include "core/area/LineCells.h"

#include <cstdlib>

std::vector<LineCell> LineCells(LineCell from, LineCell to) {
    const long long dx = std::llabs(static_cast<long long>(to.column) - from.column);
    const long long dy = std::llabs(static_cast<long long>(to.row) - from.row);
    const int stepX = to.column < from.column ? -1 : 1;
    const int stepY = to.row < from.row ? -1 : 1;
    std::vector<LineCell> cells;
    cells.reserve(static_cast<size_t>(dx + dy + 1));
    LineCell cell = from;
    cells.push_back(cell);
    // Each step goes along the axis whose next cell centre the true line reaches first.
    for (long long ix = 0, iy = 0; ix < dx || iy < dy;) {
        if ((1 + 2 * ix) * dy < (1 + 2 * iy) * dx) {
            cell.column += stepX;
            ++ix;
        } else {
            cell.row += stepY;
            ++iy;
        }
        cells.push_back(cell);
    }
    return cells;
}

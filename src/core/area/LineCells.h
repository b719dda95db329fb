#pragma once
// The cells of a straight line between two cells, each sharing a side with the one before,
// so that rivers and roads painted along it join as they would when painted by hand.

#include <vector>

struct LineCell {
    int row;
    int column;
    bool operator==(const LineCell&) const = default;
};

// From `from` to `to`, both included, in order.
std::vector<LineCell> LineCells(LineCell from, LineCell to);

#pragma once
// A rectangle of map cells; right and bottom are exclusive. The area tools work on these and
// report the cells they touched as one.

#include "core/map/MapGeometry.h"

#include <algorithm>

struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(int row, int column) const {
        return row >= top && row < bottom && column >= left && column < right;
    }
    bool operator==(const CellRect&) const = default;
    // Whether the two rectangles share a cell.
    bool Intersects(const CellRect& other) const {
        return left < other.right && other.left < right && top < other.bottom &&
               other.top < bottom && !Empty() && !other.Empty();
    }

    // The rectangle spanned by two corner cells, in any order, both included.
    static CellRect Spanning(int row1, int column1, int row2, int column2) {
        return {std::min(column1, column2), std::min(row1, row2), std::max(column1, column2) + 1,
                std::max(row1, row2) + 1};
    }
    // The smallest rectangle holding this one and cell (row, column).
    CellRect Including(int row, int column) const {
        if (Empty())
            return {column, row, column + 1, row + 1};
        return {std::min(left, column), std::min(top, row), std::max(right, column + 1),
                std::max(bottom, row + 1)};
    }
    // The smallest rectangle holding this one and `other`.
    CellRect United(const CellRect& other) const {
        if (other.Empty())
            return *this;
        if (Empty())
            return other;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    // The part of this rectangle that lies on the map.
    CellRect ClippedToMap() const {
        return {std::max(left, 0), std::max(top, 0), std::min(right, MapWidth),
                std::min(bottom, MapHeight)};
    }
};

constexpr CellRect WholeMap{0, 0, MapWidth, MapHeight};

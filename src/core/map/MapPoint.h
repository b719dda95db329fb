#pragma once
// A map cell named by row and column, such as the one under the pointer; it may lie off the
// map.

struct MapPoint {
    int row = 0;
    int column = 0;
    bool operator==(const MapPoint&) const = default;
};

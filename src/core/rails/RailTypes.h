#pragma once
// The records of the rail layer, laid out in memory exactly as in the rail files.

#include <cstdint>

// One straight section in world units. Note the field order: x1, x2, y1, y2.
struct RailSection {
    int32_t x1 = 0;
    int32_t x2 = 0;
    int32_t y1 = 0;
    int32_t y2 = 0;
    int32_t reserved1 = 0; // carried through files, never read by the editor
    int32_t reserved2 = 0;
    bool operator==(const RailSection&) const = default;
};
static_assert(sizeof(RailSection) == 24);

// One pending point of the polyline being laid, in world units.
struct RailPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const RailPoint&) const = default;
};
static_assert(sizeof(RailPoint) == 8);

// A named label placed in world units, read from TarList.dat.
struct TargetArea {
    int32_t x = 0;
    int32_t y = 0;
    uint8_t unused[8] = {};
    char name[32] = {}; // NUL-terminated unless all 32 bytes are used
};
static_assert(sizeof(TargetArea) == 48);

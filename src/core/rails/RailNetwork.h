#pragma once
// The rail layer: committed straight sections and the polyline of pending points being
// laid. Both tables hold 2048 records; the tools keep sections + pending points <= 2048.

#include "core/Shell.h"
#include "core/rails/RailTypes.h"

#include <array>
#include <cstdint>

constexpr int RailTableSize = 2048;

struct RailNetwork {
    std::array<RailSection, RailTableSize> RailSections{};
    int32_t RailSectionCount = 0;
    std::array<RailPoint, RailTableSize> PendingRailPoints{};
    int32_t PendingRailPointCount = 0;

    bool IsEmpty() const { return RailSectionCount == 0 && PendingRailPointCount == 0; }
};

// "Maximum Number of Rail Sections Exceeded", caption "Error", no owner.
void ShowRailLimitMessage(Shell& shell);

// Appends a pending point, or shows the limit message when sections + points reach 2048.
void AddRailPoint(RailNetwork& rails, Shell& shell, int32_t x, int32_t y);
// Drops the last pending point; the caller makes sure there is one.
void RemoveLastRailPoint(RailNetwork& rails);
// Turns the pending polyline into a chain of sections and empties it.
void CommitRailPoints(RailNetwork& rails, Shell& shell);
// The movable point nearest to (x, y): i >= 0 is the end of section i, -(j + 1) is pending
// point j. The caller makes sure there is at least one section or pending point; with none,
// the result is NoRailPoint.
constexpr int NoRailPoint = -RailTableSize - 1;
int FindNearestRailPoint(const RailNetwork& rails, int32_t x, int32_t y);
// Moves the point that FindNearestRailPoint finds to (x, y), joints of a chain as one.
void MoveNearestRailPoint(RailNetwork& rails, int32_t x, int32_t y);

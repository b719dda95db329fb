#include "core/rails/RailNetwork.h"

#include "core/Messages.h"

#include <cstdlib>

void ShowRailLimitMessage(Shell& shell) {
    ShowHardError(shell, WindowId::None, "Maximum Number of Rail Sections Exceeded");
}

void AddRailPoint(RailNetwork& rails, Shell& shell, int32_t x, int32_t y) {
    if (rails.RailSectionCount + rails.PendingRailPointCount >= RailTableSize) {
        ShowRailLimitMessage(shell);
        return;
    }
    rails.PendingRailPoints[static_cast<size_t>(rails.PendingRailPointCount)] = {x, y};
    ++rails.PendingRailPointCount;
}

void RemoveLastRailPoint(RailNetwork& rails) {
    if (rails.PendingRailPointCount > 0)
        --rails.PendingRailPointCount;
}

void CommitRailPoints(RailNetwork& rails, Shell& shell) {
    const int n = rails.PendingRailPointCount;
    const int s = rails.RailSectionCount;
    if (n >= 2) {
        // Possible after a railroad definition was loaded over pending points: refuse rather
        // than write past the section table.
        if (s + n - 1 > RailTableSize) {
            ShowRailLimitMessage(shell);
            return;
        }
        // Only the coordinates are written: reserved1 and reserved2 keep what the slot held.
        for (int k = 0; k + 1 < n; ++k) {
            const RailPoint& from = rails.PendingRailPoints[static_cast<size_t>(k)];
            const RailPoint& to = rails.PendingRailPoints[static_cast<size_t>(k + 1)];
            RailSection& section = rails.RailSections[static_cast<size_t>(s + k)];
            section.x1 = from.x;
            section.x2 = to.x;
            section.y1 = from.y;
            section.y2 = to.y;
        }
        rails.RailSectionCount = s + n - 1;
    }
    rails.PendingRailPointCount = 0;
}

namespace {

// |x - cx| + |y - cy| without wrapping: file coordinates may be any 32-bit values.
int64_t RailDistance(int32_t x, int32_t y, int32_t cx, int32_t cy) {
    return std::llabs(int64_t{x} - cx) + std::llabs(int64_t{y} - cy);
}

} // namespace

int FindNearestRailPoint(const RailNetwork& rails, int32_t x, int32_t y) {
    int best = NoRailPoint;
    int64_t bestDistance = 0;
    // Candidates in their order of precedence; only a strictly nearer one replaces the best.
    const auto consider = [&](int id, int32_t cx, int32_t cy) {
        const int64_t distance = RailDistance(x, y, cx, cy);
        if (best == NoRailPoint || distance < bestDistance) {
            best = id;
            bestDistance = distance;
        }
    };
    const int s = rails.RailSectionCount;
    const int n = rails.PendingRailPointCount;
    for (int i = 0; i < s; ++i) {
        const RailSection& section = rails.RailSections[static_cast<size_t>(i)];
        consider(i, section.x2, section.y2);
    }
    // The same points that move-rails mode marks as handles: pending points but the last,
    // and a lone pending point only while there are no sections.
    const int pendingCandidates = n >= 2 ? n - 1 : (s == 0 && n == 1 ? 1 : 0);
    for (int j = 0; j < pendingCandidates; ++j) {
        const RailPoint& point = rails.PendingRailPoints[static_cast<size_t>(j)];
        consider(-(j + 1), point.x, point.y);
    }
    return best;
}

void MoveNearestRailPoint(RailNetwork& rails, int32_t x, int32_t y) {
    const int i = FindNearestRailPoint(rails, x, y);
    if (i == NoRailPoint)
        return;
    if (i < 0) {
        rails.PendingRailPoints[static_cast<size_t>(-i - 1)] = {x, y};
        return;
    }
    RailSection& section = rails.RailSections[static_cast<size_t>(i)];
    if (i + 1 < rails.RailSectionCount) {
        RailSection& next = rails.RailSections[static_cast<size_t>(i + 1)];
        if (section.x2 == next.x1 && section.y2 == next.y1) {
            next.x1 = x;
            next.y1 = y;
        }
    }
    section.x2 = x;
    section.y2 = y;
}

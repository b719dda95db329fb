#pragma once
// The step of a brush dab along a run of cells of one row: each height moves towards its
// target by at most its amount and never past it, 8 or 16 heights at a time where the
// processor allows.

#include <cstdint>

// heights[i] += clamp(target - heights[i], -amounts[i], amounts[i]) for i in [0, count).
// Raise and lower are moves towards 65535 and 0.
void MoveHeightsTowards(uint16_t* heights, int count, const uint16_t* amounts, uint16_t target);
// The same with a target of its own for each height.
void MoveHeightsTowards(uint16_t* heights, int count, const uint16_t* amounts,
                        const uint16_t* targets);

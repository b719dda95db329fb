#pragma once
// One stroke of the height brush: the brush as the stroke began, and how far its dabs move
// each cell, worked out at the first dab and kept for the ones after it.

#include "core/area/BrushAmounts.h"
#include "core/area/HeightBrush.h"

#include <optional>

class BrushStroke {
  public:
    explicit BrushStroke(const BrushSettings& brush) : brush_(brush) {}

    const BrushSettings& Brush() const { return brush_; }

    // One dab of the stroke at (row, column), as ApplyBrushDab does it.
    CellRect Dab(HeightMap& heights, int row, int column);

  private:
    // The amounts for a dab whose cells lie at row offsets |dy| in [rowFrom, rowTo] and
    // column offsets [columnFirst, columnLast].
    const BrushAmounts& AmountsFor(int radius, int rowFrom, int rowTo, int columnFirst,
                                   int columnLast);

    BrushSettings brush_;
    std::optional<BrushAmounts> amounts_;
};

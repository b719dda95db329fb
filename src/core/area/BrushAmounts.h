#pragma once
// How far one dab of the height brush moves a cell, by the cell's offset from the centre:
// strength x weight rounded, for a range of row and column offsets. Built 8 or 16 cells at a time
// where the processor allows, with the same float operations as BrushWeight, so every amount
// equals the one computed cell by cell.

#include "core/area/HeightBrush.h"

#include <cstdint>
#include <memory>
#include <vector>

class BrushAmounts {
  public:
    // For row offsets |dy| in [rowFrom, rowTo] and column offsets dx (with sign) in
    // [columnFirst, columnLast]; `strength` is 0 to 65535.
    BrushAmounts(BrushFalloff falloff, int radius, int strength, int rowFrom, int rowTo,
                 int columnFirst, int columnLast);

    // Whether these are the amounts of that brush and hold those offsets.
    bool Holds(BrushFalloff falloff, int radius, int strength, int rowFrom, int rowTo,
               int columnFirst, int columnLast) const;

    // The amount at offsets (dy, dx), with the row's next amounts after it.
    const uint16_t* At(int dy, int dx) const {
        return amounts_.get() + static_cast<size_t>(dy - rowFrom_) * stride_ + Pad +
               (dx - columnFirst_);
    }
    // One more than the largest |dx| within the brush's radius at row offset `dy` (at most
    // 0 when no cell of the row is): amounts further out are not kept.
    int Reach(int dy) const { return reach_[static_cast<size_t>(dy - rowFrom_)]; }

  private:
    static constexpr int Pad = 16; // room before and after each row for whole groups of 16

    BrushFalloff falloff_;
    int radius_;
    int strength_;
    int rowFrom_;
    int rowTo_;
    int columnFirst_;
    int columnLast_;
    size_t stride_;
    std::unique_ptr<uint16_t[]> amounts_; // rows of stride_, written only within reach
    std::vector<int> reach_;
};

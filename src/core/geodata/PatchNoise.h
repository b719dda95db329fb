#pragma once
// Coarse lattice noise for laying forests and farmland in large patches: values 0-999,
// interpolated between seeded random values every `spacing` cells.

#include "core/ClassicRandom.h"
#include "core/map/MapGeometry.h"

#include <vector>

class PatchNoise {
  public:
    PatchNoise(ClassicRandom& random, int spacing) : spacing_(spacing) {
        columns_ = MapWidth / spacing + 2;
        rows_ = MapHeight / spacing + 2;
        lattice_.resize(static_cast<size_t>(columns_ * rows_));
        for (int& value : lattice_)
            value = random.Next() % 1000;
    }
    // The noise at a map cell (row 0-319, column 0-639).
    int At(int row, int column) const {
        const int lr = row / spacing_, lc = column / spacing_;
        const int fr = row % spacing_, fc = column % spacing_;
        const int top = Lattice(lr, lc) * (spacing_ - fc) + Lattice(lr, lc + 1) * fc;
        const int bottom = Lattice(lr + 1, lc) * (spacing_ - fc) + Lattice(lr + 1, lc + 1) * fc;
        return (top * (spacing_ - fr) + bottom * fr) / (spacing_ * spacing_);
    }

  private:
    int Lattice(int row, int column) const {
        return lattice_[static_cast<size_t>(row * columns_ + column)];
    }
    int spacing_, columns_, rows_;
    std::vector<int> lattice_;
};

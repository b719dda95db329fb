#pragma once
// The height layer: one unsigned 16-bit height per map cell (0 is water), absent until a
// height file is opened or converted, and the 8-bit shade image derived from it.

#include "core/map/MapGeometry.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

class HeightMap {
  public:
    bool HasHeightMap() const { return !heights_.empty(); }

    // Replaces the whole grid; `heights` must hold exactly MapCellCount values.
    void Replace(std::vector<uint16_t> heights);
    void FreeHeightMap() {
        heights_.clear();
        heights_.shrink_to_fit();
    }

    uint16_t At(int index) const { return heights_[static_cast<size_t>(index)]; }
    void Set(int index, uint16_t height) { heights_[static_cast<size_t>(index)] = height; }

    std::span<const uint16_t> Heights() const { return heights_; }
    std::span<uint16_t> Heights() { return heights_; }

  private:
    std::vector<uint16_t> heights_;
};

// The height view's image: one shade byte per cell.
using HeightShade = std::array<uint8_t, MapCellCount>;

// Shade of one height: 0 for water, otherwise height x 255 / 65535 truncated, at least 1.
uint8_t ShadeOfHeight(uint16_t height);
// Recomputes every shade byte; the height map must be present.
void RebuildHeightShade(const HeightMap& heights, HeightShade& shade);

#include "core/height/HeightMap.h"

#include <cassert>

void HeightMap::Replace(std::vector<uint16_t> heights) {
    assert(heights.size() == static_cast<size_t>(MapCellCount));
    heights_ = std::move(heights);
}

uint8_t ShadeOfHeight(uint16_t height) {
    if (height == 0)
        return 0;
    const auto shade = static_cast<int>(static_cast<double>(height) * 255.0 / 65535.0);
    return static_cast<uint8_t>(shade == 0 ? 1 : shade);
}

void RebuildHeightShade(const HeightMap& heights, HeightShade& shade) {
    assert(heights.HasHeightMap());
    const auto values = heights.Heights();
    for (size_t i = 0; i < shade.size(); ++i)
        shade[i] = ShadeOfHeight(values[i]);
}

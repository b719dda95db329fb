#include "core/mesh/TerrainPalette.h"

#include <gtest/gtest.h>

namespace {

TEST(TerrainPalette, ComponentSpreadsOneToThreeBitsOverTheFullRange) {
    // Value, bits, shift, component: only the component's own bits count after the shift;
    // more than three bits give 0, and a shift past the value is no crash.
    const int cases[][4] = {{1, 1, 0, 255},           {2, 2, 0, 170},          {4, 3, 0, 146},
                            {0b1'101'000, 3, 3, 182}, {0b01'000000, 2, 6, 85}, {255, 4, 0, 0},
                            {255, 3, 40, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(PaletteComponent(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1] << " " << c[2];
}

TEST(TerrainPalette, OnlyFormatsThatNeedOneOfAtMostEightBitsGetAPalette) {
    EXPECT_TRUE(ComputeTerrainPalette({false, 32, 8, 16, 8, 8, 8, 0}).empty() &&
                ComputeTerrainPalette({false, 8, 3, 0, 3, 3, 2, 6}).empty() &&
                ComputeTerrainPalette({true, 16, 5, 11, 6, 5, 5, 0}).empty());
    const std::vector<PaletteEntry> small = ComputeTerrainPalette({true, 4, 1, 0, 2, 1, 1, 3});
    ASSERT_EQ(small.size(), 16u);
    EXPECT_EQ(small[0b1111], (PaletteEntry{255, 255, 255, 0}));
    EXPECT_EQ(small[0b0100], (PaletteEntry{0, 170, 0, 0}));
}

TEST(TerrainPalette, ThreeThreeTwoKeepsTheStaticColoursAndOtherLayoutsDoNot) {
    const std::vector<PaletteEntry> p = ComputeTerrainPalette({true, 8, 3, 0, 3, 3, 2, 6});
    ASSERT_EQ(p.size(), 256u);
    const std::pair<int, PaletteEntry> entries[] = {
        {1, {36, 0, 0, 0}},        {8, {0, 36, 0, 0}},        {128, {0, 0, 170, 0}},
        {255, {255, 255, 255, 0}}, // the static colours replace the computed ones
        {3, {128, 0, 0, 0}},       {24, {0, 128, 0, 0}},      {27, {128, 128, 0, 0}},
        {64, {0, 0, 128, 0}},      {67, {128, 0, 128, 0}},    {88, {0, 128, 128, 0}},
        {91, {128, 128, 128, 0}},  {164, {160, 160, 164, 0}}, {173, {192, 192, 192, 0}},
        {181, {192, 220, 192, 0}}, {236, {166, 202, 240, 0}}, {247, {255, 251, 240, 0}}};
    for (const auto& [index, entry] : entries)
        EXPECT_EQ(p[index], entry) << index;
    // Blue in the low bits: same depth, but not the 3-3-2 layout, so no static colours.
    const std::vector<PaletteEntry> other = ComputeTerrainPalette({true, 8, 3, 5, 3, 2, 2, 0});
    EXPECT_EQ(other[3], (PaletteEntry{0, 0, 255, 0}));
    EXPECT_EQ(other[0b111'000'00], (PaletteEntry{255, 0, 0, 0}));
}

} // namespace

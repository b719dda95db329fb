#include "core/mesh/TerrainPalette.h"

#include <gtest/gtest.h>

namespace {

PalettePixelFormat ThreeThreeTwo() {
    return {true, 8, 3, 0, 3, 3, 2, 6};
}

TEST(TerrainPalette, ComponentSpreadsEachBitCountOverTheFullRange) {
    EXPECT_EQ(PaletteComponent(0, 1, 0), 0);
    EXPECT_EQ(PaletteComponent(1, 1, 0), 255);
    EXPECT_EQ(PaletteComponent(2, 2, 0), 170);
    EXPECT_EQ(PaletteComponent(3, 2, 0), 255);
    EXPECT_EQ(PaletteComponent(4, 3, 0), 146);
    EXPECT_EQ(PaletteComponent(7, 3, 0), 255);
    // Only the component's own bits count: higher bits are masked off after the shift.
    EXPECT_EQ(PaletteComponent(0b101'000, 3, 3), 182);
    EXPECT_EQ(PaletteComponent(0b1'101'000, 3, 3), 182);
    EXPECT_EQ(PaletteComponent(0b01'000000, 2, 6), 85);
}

TEST(TerrainPalette, ComponentOfUnsupportedBitCountIsBlack) {
    EXPECT_EQ(PaletteComponent(255, 0, 0), 0);
    EXPECT_EQ(PaletteComponent(255, 4, 0), 0);
    EXPECT_EQ(PaletteComponent(255, 8, 0), 0);
    EXPECT_EQ(PaletteComponent(255, 3, 40), 0); // a shift past the value is no crash
}

TEST(TerrainPalette, TrueColourFormatGetsNoPalette) {
    EXPECT_TRUE(ComputeTerrainPalette({false, 32, 8, 16, 8, 8, 8, 0}).empty());
    EXPECT_TRUE(ComputeTerrainPalette({false, 8, 3, 0, 3, 3, 2, 6}).empty());
}

TEST(TerrainPalette, PaletteBeyondEightBitsIsRefused) {
    EXPECT_TRUE(ComputeTerrainPalette({true, 16, 5, 11, 6, 5, 5, 0}).empty());
    EXPECT_TRUE(ComputeTerrainPalette({true, 0, 0, 0, 0, 0, 0, 0}).empty());
}

TEST(TerrainPalette, ThreeThreeTwoSpreadsComponentsAndKeepsStaticColours) {
    const std::vector<PaletteEntry> palette = ComputeTerrainPalette(ThreeThreeTwo());
    ASSERT_EQ(palette.size(), 256u);
    EXPECT_EQ(palette[0], (PaletteEntry{0, 0, 0, 0}));
    EXPECT_EQ(palette[255], (PaletteEntry{255, 255, 255, 0}));
    // Index 1: red level 1; index 8: green level 1; index 64 would be blue level 1 but holds
    // a static colour, so check blue on 128 (level 2).
    EXPECT_EQ(palette[1], (PaletteEntry{36, 0, 0, 0}));
    EXPECT_EQ(palette[8], (PaletteEntry{0, 36, 0, 0}));
    EXPECT_EQ(palette[128], (PaletteEntry{0, 0, 170, 0}));

    EXPECT_EQ(palette[3], (PaletteEntry{128, 0, 0, 0}));
    EXPECT_EQ(palette[24], (PaletteEntry{0, 128, 0, 0}));
    EXPECT_EQ(palette[27], (PaletteEntry{128, 128, 0, 0}));
    EXPECT_EQ(palette[64], (PaletteEntry{0, 0, 128, 0}));
    EXPECT_EQ(palette[67], (PaletteEntry{128, 0, 128, 0}));
    EXPECT_EQ(palette[88], (PaletteEntry{0, 128, 128, 0}));
    EXPECT_EQ(palette[91], (PaletteEntry{128, 128, 128, 0}));
    EXPECT_EQ(palette[164], (PaletteEntry{160, 160, 164, 0}));
    EXPECT_EQ(palette[173], (PaletteEntry{192, 192, 192, 0}));
    EXPECT_EQ(palette[181], (PaletteEntry{192, 220, 192, 0}));
    EXPECT_EQ(palette[236], (PaletteEntry{166, 202, 240, 0}));
    EXPECT_EQ(palette[247], (PaletteEntry{255, 251, 240, 0}));
}

TEST(TerrainPalette, OtherEightBitLayoutsKeepThePlainSpread) {
    // Blue in the low bits: same depth, but not the 3-3-2 layout, so no static colours.
    const std::vector<PaletteEntry> palette = ComputeTerrainPalette({true, 8, 3, 5, 3, 2, 2, 0});
    ASSERT_EQ(palette.size(), 256u);
    EXPECT_EQ(palette[3], (PaletteEntry{0, 0, 255, 0}));
    EXPECT_EQ(palette[0b111'000'00], (PaletteEntry{255, 0, 0, 0}));
}

TEST(TerrainPalette, SmallFormatsGetOneEntryPerPixelValue) {
    const std::vector<PaletteEntry> palette = ComputeTerrainPalette({true, 4, 1, 0, 2, 1, 1, 3});
    ASSERT_EQ(palette.size(), 16u);
    EXPECT_EQ(palette[0b1111], (PaletteEntry{255, 255, 255, 0}));
    EXPECT_EQ(palette[0b0100], (PaletteEntry{0, 170, 0, 0}));
}

} // namespace

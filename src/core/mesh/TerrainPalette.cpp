#include "core/mesh/TerrainPalette.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::array<uint8_t, 2> OneBitLevels{0, 255};
constexpr std::array<uint8_t, 4> TwoBitLevels{0, 85, 170, 255};
constexpr std::array<uint8_t, 8> ThreeBitLevels{0, 36, 73, 109, 146, 182, 219, 255};

struct StaticColour {
    int index;
    PaletteEntry entry;
};

// The system's static colours that a 3-3-2 palette keeps at these indices, so that the
// desktop's own colours survive while the 3D view's palette is realised.
constexpr std::array<StaticColour, 12> StaticSystemColours{{
    {3, {128, 0, 0, 0}},
    {24, {0, 128, 0, 0}},
    {27, {128, 128, 0, 0}},
    {64, {0, 0, 128, 0}},
    {67, {128, 0, 128, 0}},
    {88, {0, 128, 128, 0}},
    {173, {192, 192, 192, 0}},
    {181, {192, 220, 192, 0}},
    {236, {166, 202, 240, 0}},
    {247, {255, 251, 240, 0}},
    {164, {160, 160, 164, 0}},
    {91, {128, 128, 128, 0}},
}};

bool IsThreeThreeTwo(const PalettePixelFormat& f) {
    return f.colorBits == 8 && f.redBits == 3 && f.redShift == 0 && f.greenBits == 3 &&
           f.greenShift == 3 && f.blueBits == 2 && f.blueShift == 6;
}

} // namespace

uint8_t PaletteComponent(unsigned index, int bits, int shift) {
    if (shift < 0 || shift >= 32) {
        return 0;
    }
    const unsigned v = index >> shift;
    switch (bits) {
    case 1:
        return OneBitLevels[v & 1];
    case 2:
        return TwoBitLevels[v & 3];
    case 3:
        return ThreeBitLevels[v & 7];
    default:
        return 0;
    }
}

std::vector<PaletteEntry> ComputeTerrainPalette(const PalettePixelFormat& format) {
    if (!format.needsPalette || format.colorBits < 1 || format.colorBits > MaxPaletteColorBits) {
        return {};
    }
    std::vector<PaletteEntry> palette(std::size_t{1} << format.colorBits);
    for (unsigned i = 0; i < palette.size(); ++i) {
        palette[i] = {PaletteComponent(i, format.redBits, format.redShift),
                      PaletteComponent(i, format.greenBits, format.greenShift),
                      PaletteComponent(i, format.blueBits, format.blueShift), 0};
    }
    if (IsThreeThreeTwo(format)) {
        for (const StaticColour& colour : StaticSystemColours) {
            palette[colour.index] = colour.entry;
        }
    }
    return palette;
}

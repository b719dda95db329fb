#pragma once
// The logical palette that the 3D view needs on a display of 8 colour bits or fewer: one
// entry per pixel value, each component spread evenly over 0 ... 255, and on the common
// 3-3-2 format the twelve static system colours at their fixed indices. True-colour
// displays (every OpenGL context that Qt creates) need no palette.

#include <cstdint>
#include <vector>

// The parts of a pixel format that decide the palette.
struct PalettePixelFormat {
    bool needsPalette = false;
    int colorBits = 0;
    int redBits = 0;
    int redShift = 0;
    int greenBits = 0;
    int greenShift = 0;
    int blueBits = 0;
    int blueShift = 0;
};

struct PaletteEntry {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t flags = 0;
    bool operator==(const PaletteEntry&) const = default;
};

// Palettes are only built for formats of 1 to 8 colour bits; deeper formats never need one.
constexpr int MaxPaletteColorBits = 8;

// The intensity of one component of pixel value `index`: its `bits` bits at `shift`, spread
// over 0 ... 255 for 1, 2 or 3 bits; 0 for any other bit count.
uint8_t PaletteComponent(unsigned index, int bits, int shift);

// The 2^colorBits entries of the palette, or none when the format needs no palette (or has
// no colour bits, or more than MaxPaletteColorBits of them).
std::vector<PaletteEntry> ComputeTerrainPalette(const PalettePixelFormat& format);

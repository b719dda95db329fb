#pragma once
// The one 256-colour table shared by every bundled tile and button picture. Each kind of
// ground keeps its own range of indices, so a picture's pixels say what they show: the
// edge-mask test reads forest, town, sea, river, mountain and road from these ranges.

#include <array>
#include <cstdint>

struct ArtColour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// A range of palette indices shading from dark (t = 0) to light (t = 1).
struct Band {
    int first;
    int count;
};

namespace bands {
constexpr Band Ui{0, 16};
constexpr Band Grass{16, 24};
constexpr Band Wheat{40, 16};
constexpr Band Crop{56, 12};
constexpr Band Soil{68, 16};
constexpr Band Sand{84, 12};
constexpr Band Sea{96, 32};
constexpr Band River{128, 16};
constexpr Band Forest{144, 32};
constexpr Band Roof{176, 12};
constexpr Band Wall{188, 12};
constexpr Band Square{200, 8};
constexpr Band Rock{208, 18};
constexpr Band Snow{226, 6};
constexpr Band Road{232, 10};
constexpr Band Bridge{242, 6};
constexpr Band Hedge{248, 8};
} // namespace bands

// Fixed user-interface colours at the start of the table.
namespace ui {
constexpr uint8_t Black = 0;
constexpr uint8_t White = 1;
constexpr uint8_t Grey1 = 2; // darkest grey; Grey1 + k for k = 0..7 up to the lightest
constexpr uint8_t Red = 10;
constexpr uint8_t DarkRed = 11;
constexpr uint8_t Yellow = 12;
constexpr uint8_t Pink = 13;
constexpr uint8_t Blue = 14;
constexpr uint8_t Magenta = 15;
} // namespace ui

const std::array<ArtColour, 256>& ArtPalette();

// The index of shade t (clamped to 0..1) of a band.
uint8_t Shade(Band band, double t);

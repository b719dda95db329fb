#include "ArtPalette.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

void FillGradient(std::array<ArtColour, 256>& table, Band band,
                  std::initializer_list<ArtColour> stops) {
    const std::vector<ArtColour> keys(stops);
    for (int i = 0; i < band.count; ++i) {
        const double t = band.count == 1 ? 0.0 : double(i) / (band.count - 1);
        const double position = t * double(keys.size() - 1);
        const size_t k = std::min(keys.size() - 2, static_cast<size_t>(position));
        const double f = position - double(k);
        auto mix = [&](uint8_t a, uint8_t b) {
            return static_cast<uint8_t>(std::lround(a + (b - a) * f));
        };
        table[band.first + i] = {mix(keys[k].red, keys[k + 1].red),
                                 mix(keys[k].green, keys[k + 1].green),
                                 mix(keys[k].blue, keys[k + 1].blue)};
    }
}

std::array<ArtColour, 256> BuildPalette() {
    std::array<ArtColour, 256> table{};
    const ArtColour fixed[16] = {{0, 0, 0},       {255, 255, 255}, {64, 64, 64},    {96, 96, 96},
                                 {128, 128, 128}, {150, 150, 150}, {172, 172, 172}, {192, 192, 192},
                                 {212, 212, 212}, {232, 232, 232}, {200, 30, 30},   {120, 16, 16},
                                 {236, 196, 48},  {232, 160, 150}, {40, 80, 200},   {255, 0, 255}};
    std::copy(std::begin(fixed), std::end(fixed), table.begin());
    FillGradient(table, bands::Grass, {{38, 74, 24}, {78, 122, 42}, {128, 168, 72}});
    FillGradient(table, bands::Wheat, {{150, 112, 40}, {206, 170, 72}, {240, 220, 140}});
    FillGradient(table, bands::Crop, {{52, 96, 30}, {102, 150, 48}, {170, 196, 96}});
    FillGradient(table, bands::Soil, {{76, 50, 30}, {128, 90, 56}, {176, 140, 100}});
    FillGradient(table, bands::Sand, {{170, 150, 100}, {222, 206, 150}, {246, 236, 196}});
    FillGradient(table, bands::Sea,
                 {{20, 46, 104}, {38, 86, 160}, {80, 140, 200}, {196, 226, 240}});
    FillGradient(table, bands::River, {{28, 70, 130}, {56, 112, 180}, {140, 190, 228}});
    FillGradient(table, bands::Forest, {{10, 34, 14}, {30, 78, 30}, {72, 126, 46}, {136, 170, 80}});
    FillGradient(table, bands::Roof, {{96, 30, 22}, {168, 64, 40}, {222, 130, 90}});
    FillGradient(table, bands::Wall, {{70, 68, 66}, {140, 136, 128}, {222, 218, 206}});
    FillGradient(table, bands::Square, {{160, 148, 128}, {214, 204, 182}});
    FillGradient(table, bands::Rock,
                 {{56, 48, 44}, {112, 100, 88}, {168, 158, 140}, {204, 198, 186}});
    FillGradient(table, bands::Snow, {{200, 208, 222}, {252, 252, 255}});
    FillGradient(table, bands::Road, {{82, 78, 74}, {150, 142, 130}, {204, 196, 180}});
    FillGradient(table, bands::Bridge, {{90, 70, 56}, {190, 176, 156}});
    FillGradient(table, bands::Hedge, {{24, 52, 18}, {60, 96, 36}});
    return table;
}

} // namespace

const std::array<ArtColour, 256>& ArtPalette() {
    static const std::array<ArtColour, 256> table = BuildPalette();
    return table;
}

uint8_t Shade(Band band, double t) {
    const double clamped = std::clamp(t, 0.0, 1.0);
    return static_cast<uint8_t>(band.first + std::lround(clamped * (band.count - 1)));
}

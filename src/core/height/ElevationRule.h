#pragma once
// The height rule shared by every elevation source: metres become map heights (0 sea, land
// below sea level the lowest land height, `top` metres and above full scale) and the 8-bit
// image beside them, with the counters of the summary. Also the way back, heights to metres.

#include "core/height/DemWindowConversion.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Height and 8-bit shade of a translated elevation v (0 sea, 1 land below sea level, else
// metres) when `top` metres give full scale: trunc(v x 65535 / top) and trunc(v x 255 / top),
// clamped.
uint16_t ScaledHeightOf(double v, double top);
uint8_t ScaledShadeOf(double v, double top);

// The metres a height stands for when `top` metres gave full scale (0 for sea).
double MetresOfHeight(uint16_t height, double top);

// A whole map of elevations translated by the rule.
struct TranslatedElevation {
    std::vector<uint16_t> heights; // MapCellCount heights, row 0 first
    std::vector<uint8_t> rawImage; // MapCellCount bytes
    DemCounters counters;
};

// Translates one metres value per map cell; cells equal to `noData` become sea (counted as
// water items translated).
TranslatedElevation TranslateElevations(std::span<const double> metres,
                                        std::optional<double> noData, double top);

#include "core/height/ElevationRule.h"

#include <algorithm>
#include <cmath>

uint16_t ScaledHeightOf(double v, double top) {
    const double scaled = v * 65535.0 / top;
    return scaled >= 65535.0 ? uint16_t{65535} : static_cast<uint16_t>(scaled);
}

uint8_t ScaledShadeOf(double v, double top) {
    if (v == 0)
        return 0;
    const double scaled = v * 255.0 / top;
    return scaled >= 255.0 ? uint8_t{255} : static_cast<uint8_t>(scaled);
}

double MetresOfHeight(uint16_t height, double top) {
    return height * top / 65535.0;
}

TranslatedElevation TranslateElevations(std::span<const double> metres,
                                        std::optional<double> noData, double top) {
    TranslatedElevation result;
    result.heights.reserve(metres.size());
    result.rawImage.reserve(metres.size());
    DemCounters& counters = result.counters;
    for (double v : metres) {
        ++counters.itemsRead;
        // NaN is no data in floating-point rasters whatever their declared no-data value.
        if ((noData && v == *noData) || std::isnan(v)) {
            v = 0;
            ++counters.waterItemsTranslated;
        } else if (v < 0) {
            v = 1;
            ++counters.landItemsConverted;
        }
        counters.maximumElevation = static_cast<uint16_t>(
            std::max<double>(counters.maximumElevation, std::min(v, 65535.0)));
        const uint16_t height = ScaledHeightOf(v, top);
        result.heights.push_back(height);
        result.rawImage.push_back(ScaledShadeOf(v, top));
        ++counters.itemsWritten;
        if (v == 1)
            counters.seaLevel = height;
    }
    return result;
}

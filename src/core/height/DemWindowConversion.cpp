#include "core/height/DemWindowConversion.h"

#include "core/height/ElevationRule.h"

#include <cstdio>

namespace {

constexpr double FirstSourceRow = 4200.0;
constexpr double FirstSourceColumn = 1800.0;
constexpr double SourceStep = 3.75;

template <size_t N> std::array<int, N> AccumulatedCoordinates(double start) {
    std::array<int, N> coordinates{};
    double position = start;
    for (size_t i = 0; i < N; ++i) {
        coordinates[i] = static_cast<int>(position);
        position += SourceStep;
    }
    return coordinates;
}

} // namespace

const std::array<int, MapHeight>& DemSourceRows() {
    static const auto rows = AccumulatedCoordinates<MapHeight>(FirstSourceRow);
    return rows;
}

const std::array<int, MapWidth>& DemSourceColumns() {
    static const auto columns = AccumulatedCoordinates<MapWidth>(FirstSourceColumn);
    return columns;
}

uint16_t DemHeightOf(int v) {
    return ScaledHeightOf(v, DemFullScale);
}

uint8_t DemRawShadeOf(int v) {
    return ScaledShadeOf(v, DemFullScale);
}

const DemScaleTables& DemScales() {
    static const DemScaleTables tables = [] {
        DemScaleTables built{};
        for (int v = 0; v < DemFullScale; ++v) {
            built.height[static_cast<size_t>(v)] = DemHeightOf(v);
            built.shade[static_cast<size_t>(v)] = DemRawShadeOf(v);
        }
        return built;
    }();
    return tables;
}

DemWindowConversion::DemWindowConversion()
    : scales_(DemScales()), heightBytes_(2 * static_cast<size_t>(MapCellCount)),
      rawImage_(static_cast<size_t>(MapCellCount)) {}

std::string DemSummaryText(const DemCounters& c, bool rawImageWritten) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "Process Complete.\n%d Items Read.\n%d Items Written.\n%d Land Items Converted "
                  "to Water.\n%d Water Items Translated to 0.\n%d is the maximum elevation.\nSea "
                  "Level is %d.%s",
                  c.itemsRead, c.itemsWritten, c.landItemsConverted, c.waterItemsTranslated,
                  int{c.maximumElevation}, int{c.seaLevel},
                  rawImageWritten ? "\n\n[Raw image generated]" : "");
    return text;
}

#pragma once
// The sample map's terrain at map resolution, the input of the sample builder:
//   elevation.raw  640 x 320 signed 16-bit little-endian elevations in metres, row 0 (55 N)
//                  first; -9999 marks the sea (and lakes), as in an elevation source;
//   rivers.pgm     640 x 320 binary greymap (P5, maxval 255), non-zero on river cells.

#include "core/tilemap/MapGeometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

constexpr int16_t SeaElevation = -9999;

struct SampleInput {
    std::vector<int16_t> elevation; // MapCellCount metres, SeaElevation on water
    std::vector<uint8_t> rivers;    // MapCellCount flags, 1 on river cells

    bool IsSea(int index) const { return elevation[static_cast<size_t>(index)] == SeaElevation; }
    bool IsRiver(int index) const { return rivers[static_cast<size_t>(index)] != 0; }
};

// Reads both files from `folder`; on failure returns nothing and puts the reason in `error`.
std::optional<SampleInput> ReadSampleInput(const std::string& folder, std::string& error);
// Writes both files into `folder`; false with the reason in `error` on failure.
bool WriteSampleInput(const SampleInput& input, const std::string& folder, std::string& error);

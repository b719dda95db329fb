#pragma once
// The sample's terrain as an elevation source in the layout that the DEM conversion reads
// (big-endian signed 16-bit samples, 4800 per row; the map's window is rows 4200-5396 and
// columns 1800-4196, 30 arc-second samples: row 0 lies on 90 N and column 0 on 20 W).
// Outside the window samples are -9999 (no data). Inside, samples are interpolated
// between the map cells' elevations, anchored so that each sample the conversion reads holds
// exactly its cell's elevation; next to the sea a sample takes its anchor cell's value.

#include "SampleInput.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class SampleElevationSource {
  public:
    explicit SampleElevationSource(const SampleInput& input);

    int16_t operator()(int row, int column) const;

  private:
    // Where a source row (or column) lies: the map cell whose sampled row is at or before it,
    // the distance past that sampled row and the gap to the next one; cell -1 outside.
    struct Span {
        int cell = -1;
        int offset = 0;
        int gap = 1;
    };
    template <size_t N>
    static std::vector<Span> SpansOf(const std::array<int, N>& anchors, int count);
    int Elevation(int row, int column) const;

    const SampleInput& input_;
    std::vector<Span> rows_;
    std::vector<Span> columns_;
};

// Writes the source (DemRowsRequired rows; the rows above the window are left as a hole of
// zeros, which the conversion never reads) to `path`; false when it cannot be written.
bool WriteSampleElevationSource(const SampleInput& input, const std::string& path);

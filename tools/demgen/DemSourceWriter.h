#pragma once
// Writes elevation sources in the layout the DEM conversion reads (big-endian signed 16-bit
// samples, 4800 per row, no header) so that tests and benchmarks need no real 57.6 MB grid.
// Only the rows from the first sampled row on are written; the rows before them are left as
// a hole (zero samples), which the file system may keep sparse.

#include "core/height/DemWindowConversion.h"

#include <cstdint>
#include <functional>
#include <string>

constexpr int64_t DemRowBytes = int64_t{DemSamplesPerRow} * 2;
// A source that holds every row the conversion needs.
constexpr int64_t DemFullSourceBytes = int64_t{DemRowsRequired} * DemRowBytes;

using DemSampleFunction = std::function<int16_t(int row, int column)>;

// Writes a source of exactly `byteCount` bytes (a shorter one ends early, possibly inside a
// sample); sample(row, column) gives the value of each written sample. Returns false when
// the file cannot be written.
bool WriteDemSource(const std::string& path, const DemSampleFunction& sample,
                    int64_t byteCount = DemFullSourceBytes);

// A made-up landscape with every kind of sample the conversion treats specially: sea (-9999)
// in the west, land below sea level, samples of exactly 1, and hills rising above full scale.
int16_t SyntheticTerrainSample(int row, int column);

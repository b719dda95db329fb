#pragma once
// The rail segment file's bytes (".seg"): a polyline of pending rail points as an int32 count
// and that many 8-byte records (x, y), little-endian. Sections are never part of it.

#include "core/io/Decoded.h"
#include "core/rails/RailNetwork.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// How many of a file's first bytes the decoder may need.
extern const size_t RailSegmentPrefixSize;

// The number of points the file names; refused when it is out of 0 to 2047 (a segment never
// fills the table alone: at least one slot of the two tables stays free).
Decoded<int32_t> DecodeRailSegmentCount(std::span<const uint8_t> bytes);
// The points a file holds; refused as above or when it holds fewer points than it names.
Decoded<std::vector<RailPoint>> DecodeRailSegment(std::span<const uint8_t> bytes);
// The same for the file at `path`, read only as far as needed; a file that cannot be read is
// refused with the reason that is known.
Decoded<std::vector<RailPoint>> DecodeRailSegmentFile(const std::string& path);
// What the file of the pending points holds.
std::vector<uint8_t> RailSegmentBytes(const RailNetwork& rails);

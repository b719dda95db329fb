#pragma once
// The railroad definition file's bytes (".rrd"): the committed rail sections as an int32 count
// and that many 24-byte records (x1, x2, y1, y2, reserved1, reserved2), little-endian.

#include "core/io/Decoded.h"
#include "core/rails/RailNetwork.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// How many of a file's first bytes the decoder may need.
extern const size_t RailroadDefinitionPrefixSize;

// The sections a file holds; refused when its count is out of the table or it holds fewer
// records than it names.
Decoded<std::vector<RailSection>> DecodeRailroadDefinition(std::span<const uint8_t> bytes);
// The same for the file at `path`, read only as far as needed; a file that cannot be read is
// refused with the reason that is known.
Decoded<std::vector<RailSection>> DecodeRailroadDefinitionFile(const std::string& path);
// What the file of the committed sections holds.
std::vector<uint8_t> RailroadDefinitionBytes(const RailNetwork& rails);

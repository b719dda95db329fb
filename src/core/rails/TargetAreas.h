#pragma once
// The target list's bytes ("TarList.dat"): named labels in world units as an int32 count and
// that many 48-byte records (x, y, 8 unused bytes, a 32-byte name), little-endian.

#include "core/io/Decoded.h"
#include "core/rails/RailTypes.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The most target areas a list may name; a larger count is taken as a damaged file.
constexpr int32_t MaxTargetAreas = 65536;
// How many of a file's first bytes the decoder may need.
extern const size_t TargetListPrefixSize;

// The areas a list holds; refused when its count is out of 0 to MaxTargetAreas or it holds
// fewer records than it names.
Decoded<std::vector<TargetArea>> DecodeTargetList(std::span<const uint8_t> bytes);
// The same for the file at `path`, read only as far as needed; a file that cannot be read is
// refused with the reason that is known.
Decoded<std::vector<TargetArea>> DecodeTargetListFile(const std::string& path);
// What the list's file holds for `areas`.
std::vector<uint8_t> TargetListBytes(const std::vector<TargetArea>& areas);

// The label of an area: up to its NUL, or all 32 bytes when the name fills the field.
std::string TargetAreaName(const TargetArea& area);

#pragma once
// The height map file's bytes (".hm" or ".raw", one format): 204800 unsigned 16-bit heights,
// little-endian, row 0 first, 409600 bytes and nothing else.

#include "core/height/HeightMap.h"
#include "core/io/Decoded.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr size_t HeightMapFileSize = MapCellCount * 2;

// The heights of a file whose content starts with `bytes` and is `fileSize` bytes long (only
// the first 409600 bytes are needed); refused when the file is of any other size.
Decoded<std::vector<uint16_t>> DecodeHeightMap(std::span<const uint8_t> bytes,
                                               unsigned long long fileSize);
inline Decoded<std::vector<uint16_t>> DecodeHeightMap(std::span<const uint8_t> bytes) {
    return DecodeHeightMap(bytes, bytes.size());
}
// The same for the file at `path`, read only as far as needed; a file that cannot be read is
// refused with the reason that is known.
Decoded<std::vector<uint16_t>> DecodeHeightMapFile(const std::string& path);
// What the height map's file holds: each height as two bytes, low byte first (empty without
// a height map).
std::vector<uint8_t> HeightMapFileBytes(const HeightMap& heights);

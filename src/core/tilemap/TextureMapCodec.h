#pragma once
// The texture map file's bytes (".tm"): the whole tile map as 204800 raw cell bytes, row 0
// first, rotations and codes exactly as held.

#include "core/io/Decoded.h"
#include "core/tilemap/TileMap.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr size_t TextureMapFileSize = MapCellCount;

// The cells of a file whose content starts with `bytes` and is `fileSize` bytes long (only
// the first 204800 bytes are needed); refused when the file is of any other size.
Decoded<std::vector<TileCell>> DecodeTextureMap(std::span<const uint8_t> bytes,
                                                unsigned long long fileSize);
inline Decoded<std::vector<TileCell>> DecodeTextureMap(std::span<const uint8_t> bytes) {
    return DecodeTextureMap(bytes, bytes.size());
}
// The same for the file at `path`, read only as far as needed; a file that cannot be read is
// refused with the reason that is known.
Decoded<std::vector<TileCell>> DecodeTextureMapFile(const std::string& path);
// What the file of the map holds (empty without a map).
std::vector<uint8_t> EncodeTextureMap(const TileMap& tiles);

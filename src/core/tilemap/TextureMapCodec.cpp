#include "core/tilemap/TextureMapCodec.h"

#include "core/io/DecodeFile.h"

Decoded<std::vector<TileCell>> DecodeTextureMap(std::span<const uint8_t> bytes,
                                                unsigned long long fileSize) {
    if (auto problem =
            FixedSizeProblem(bytes.size(), fileSize, TextureMapFileSize, "texture map file");
        !problem.empty())
        return Decoded<std::vector<TileCell>>::Refused(std::move(problem));
    return Decoded<std::vector<TileCell>>::Of({bytes.begin(), bytes.begin() + TextureMapFileSize});
}

std::vector<uint8_t> EncodeTextureMap(const TileMap& tiles) {
    const auto cells = tiles.Cells();
    return {cells.begin(), cells.end()};
}

Decoded<std::vector<TileCell>> DecodeTextureMapFile(const std::string& path) {
    // One byte more than a map tells a longer file from a map.
    return DecodeFile(path, TextureMapFileSize + 1,
                      [](auto bytes, auto size) { return DecodeTextureMap(bytes, size); });
}

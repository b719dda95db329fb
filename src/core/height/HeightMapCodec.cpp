#include "core/height/HeightMapCodec.h"

#include "core/io/DecodeFile.h"

Decoded<std::vector<uint16_t>> DecodeHeightMap(std::span<const uint8_t> bytes,
                                               unsigned long long fileSize) {
    if (auto problem =
            FixedSizeProblem(bytes.size(), fileSize, HeightMapFileSize, "height map file");
        !problem.empty())
        return Decoded<std::vector<uint16_t>>::Refused(std::move(problem));
    std::vector<uint16_t> heights(MapCellCount);
    for (size_t i = 0; i < heights.size(); ++i)
        heights[i] = static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return Decoded<std::vector<uint16_t>>::Of(std::move(heights));
}

std::vector<uint8_t> HeightMapFileBytes(const HeightMap& heights) {
    std::vector<uint8_t> bytes;
    bytes.reserve(heights.Heights().size() * 2);
    for (const uint16_t height : heights.Heights()) {
        bytes.push_back(static_cast<uint8_t>(height & 0xFF));
        bytes.push_back(static_cast<uint8_t>(height >> 8));
    }
    return bytes;
}

Decoded<std::vector<uint16_t>> DecodeHeightMapFile(const std::string& path) {
    return DecodeFile(path, HeightMapFileSize + 1,
                      [](auto bytes, auto size) { return DecodeHeightMap(bytes, size); });
}

#include "SampleInput.h"

#include "core/io/FileIO.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr size_t ElevationFileSize = MapCellCount * 2;

std::string PathIn(const std::string& folder, const char* name) {
    return (std::filesystem::path(folder) / name).string();
}

std::string GreymapHeader() {
    return "P5\n" + std::to_string(MapWidth) + " " + std::to_string(MapHeight) + "\n255\n";
}

} // namespace

std::optional<SampleInput> ReadSampleInput(const std::string& folder, std::string& error) {
    const std::string elevationPath = PathIn(folder, "elevation.raw");
    const auto elevationBytes = ReadFilePrefix(elevationPath, ElevationFileSize + 1);
    if (!elevationBytes || elevationBytes->size() != ElevationFileSize) {
        error = elevationPath + ": expected " + std::to_string(ElevationFileSize) + " bytes";
        return std::nullopt;
    }
    const std::string riversPath = PathIn(folder, "rivers.pgm");
    const std::string header = GreymapHeader();
    const auto riverBytes = ReadFilePrefix(riversPath, header.size() + MapCellCount + 1);
    if (!riverBytes || riverBytes->size() != header.size() + MapCellCount ||
        !std::equal(header.begin(), header.end(), riverBytes->begin())) {
        error = riversPath + ": expected a " + std::to_string(MapWidth) + " x " +
                std::to_string(MapHeight) + " binary greymap with maxval 255";
        return std::nullopt;
    }

    SampleInput input;
    input.elevation.resize(MapCellCount);
    input.rivers.resize(MapCellCount);
    for (size_t i = 0; i < MapCellCount; ++i) {
        const auto low = static_cast<uint16_t>((*elevationBytes)[2 * i]);
        const auto high = static_cast<uint16_t>((*elevationBytes)[2 * i + 1]);
        input.elevation[i] = static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8)));
        input.rivers[i] = (*riverBytes)[header.size() + i] != 0 ? 1 : 0;
    }
    return input;
}

bool WriteSampleInput(const SampleInput& input, const std::string& folder, std::string& error) {
    std::vector<uint8_t> elevationBytes;
    elevationBytes.reserve(ElevationFileSize);
    for (const int16_t value : input.elevation) {
        const auto v = static_cast<uint16_t>(value);
        elevationBytes.push_back(static_cast<uint8_t>(v & 0xFF));
        elevationBytes.push_back(static_cast<uint8_t>(v >> 8));
    }
    const std::string header = GreymapHeader();
    std::vector<uint8_t> riverBytes(header.begin(), header.end());
    for (const uint8_t flag : input.rivers)
        riverBytes.push_back(flag != 0 ? 255 : 0);

    const std::string elevationPath = PathIn(folder, "elevation.raw");
    const std::string riversPath = PathIn(folder, "rivers.pgm");
    std::string reason;
    if (!WriteFileAtomically(elevationPath, elevationBytes, &reason)) {
        error = elevationPath + ": " + reason;
        return false;
    }
    if (!WriteFileAtomically(riversPath, riverBytes, &reason)) {
        error = riversPath + ": " + reason;
        return false;
    }
    return true;
}

#include "DemSourceWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

// The first row any conversion samples; everything before it stays a hole.
constexpr int FirstWrittenRow = 4200;

} // namespace

bool WriteDemSource(const std::string& path, const DemSampleFunction& sample, int64_t byteCount) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool ok = true;
    std::vector<uint8_t> rowBytes(static_cast<size_t>(DemRowBytes));
    int64_t offset = int64_t{FirstWrittenRow} * DemRowBytes;
    if (offset < byteCount)
        ok = std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0;
    for (int row = FirstWrittenRow; ok && offset < byteCount; ++row, offset += DemRowBytes) {
        for (int column = 0; column < DemSamplesPerRow; ++column) {
            const auto value = static_cast<uint16_t>(sample(row, column));
            rowBytes[2 * static_cast<size_t>(column)] = static_cast<uint8_t>(value >> 8);
            rowBytes[2 * static_cast<size_t>(column) + 1] = static_cast<uint8_t>(value & 0xFF);
        }
        const auto count = static_cast<size_t>(std::min(DemRowBytes, byteCount - offset));
        ok = std::fwrite(rowBytes.data(), 1, count, file) == count;
    }
    ok = std::fclose(file) == 0 && ok;
    std::error_code error;
    std::filesystem::resize_file(path, static_cast<uintmax_t>(byteCount), error);
    return ok && !error;
}

int16_t SyntheticTerrainSample(int row, int column) {
    if (column < 2000 || (row > 5000 && column < 2400))
        return DemNoData;
    if (column < 2010)
        return static_cast<int16_t>(1999 - column); // -1 ... -10: land below sea level
    if (column < 2020)
        return 1;
    return static_cast<int16_t>((row * 3 + column * 5) % 4500);
}

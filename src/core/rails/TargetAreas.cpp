#include "core/rails/TargetAreas.h"

#include "core/io/DecodeFile.h"
#include "core/io/FileIO.h"

#include "core/rails/CountedRecordFile.h"

#include <cstring>

const size_t TargetListPrefixSize = CountedFilePrefixSize(sizeof(TargetArea), MaxTargetAreas);

Decoded<std::vector<TargetArea>> DecodeTargetList(std::span<const uint8_t> bytes) {
    return DecodeCountedRecords<TargetArea>(
        bytes, MaxTargetAreas, "target areas", [](const uint8_t* record) {
            TargetArea area;
            area.x = ReadInt32LE(record);
            area.y = ReadInt32LE(record + 4);
            std::memcpy(area.unused, record + 8, sizeof area.unused);
            std::memcpy(area.name, record + 16, sizeof area.name);
            return area;
        });
}

std::string TargetAreaName(const TargetArea& area) {
    return std::string(area.name, strnlen(area.name, sizeof area.name));
}

Decoded<std::vector<TargetArea>> DecodeTargetListFile(const std::string& path) {
    return DecodeFile(path, TargetListPrefixSize,
                      [](auto bytes, auto) { return DecodeTargetList(bytes); });
}

std::vector<uint8_t> TargetListBytes(const std::vector<TargetArea>& areas) {
    std::vector<uint8_t> bytes;
    bytes.reserve(4 + areas.size() * sizeof(TargetArea));
    AppendInt32LE(bytes, static_cast<int32_t>(areas.size()));
    for (const TargetArea& area : areas) {
        AppendInt32LE(bytes, area.x);
        AppendInt32LE(bytes, area.y);
        bytes.insert(bytes.end(), std::begin(area.unused), std::end(area.unused));
        bytes.insert(bytes.end(), std::begin(area.name), std::end(area.name));
    }
    return bytes;
}

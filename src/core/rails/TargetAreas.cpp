#include "core/rails/TargetAreas.h"

#include "core/io/DecodeFile.h"

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

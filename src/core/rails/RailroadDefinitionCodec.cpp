#include "core/rails/RailroadDefinitionCodec.h"

#include "core/io/DecodeFile.h"

#include "core/rails/CountedRecordFile.h"

const size_t RailroadDefinitionPrefixSize =
    CountedFilePrefixSize(sizeof(RailSection), RailTableSize);

Decoded<std::vector<RailSection>> DecodeRailroadDefinition(std::span<const uint8_t> bytes) {
    return DecodeCountedRecords<RailSection>(
        bytes, RailTableSize, "rail sections", [](const uint8_t* record) {
            return RailSection{ReadInt32LE(record),      ReadInt32LE(record + 4),
                               ReadInt32LE(record + 8),  ReadInt32LE(record + 12),
                               ReadInt32LE(record + 16), ReadInt32LE(record + 20)};
        });
}

std::vector<uint8_t> RailroadDefinitionBytes(const RailNetwork& rails) {
    std::vector<uint8_t> bytes;
    AppendInt32LE(bytes, rails.RailSectionCount);
    for (int i = 0; i < rails.RailSectionCount; ++i) {
        const RailSection& section = rails.RailSections[static_cast<size_t>(i)];
        for (const int32_t field :
             {section.x1, section.x2, section.y1, section.y2, section.reserved1, section.reserved2})
            AppendInt32LE(bytes, field);
    }
    return bytes;
}

Decoded<std::vector<RailSection>> DecodeRailroadDefinitionFile(const std::string& path) {
    return DecodeFile(path, RailroadDefinitionPrefixSize,
                      [](auto bytes, auto) { return DecodeRailroadDefinition(bytes); });
}

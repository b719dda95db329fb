#include "core/rails/RailSegmentCodec.h"

#include "core/io/DecodeFile.h"

#include "core/rails/CountedRecordFile.h"

namespace {
const char* const Records = "rail points";
constexpr int32_t MaxPoints = RailTableSize - 1;
} // namespace

const size_t RailSegmentPrefixSize = CountedFilePrefixSize(sizeof(RailPoint), RailTableSize);

Decoded<int32_t> DecodeRailSegmentCount(std::span<const uint8_t> bytes) {
    return DecodeRecordCount(bytes, sizeof(RailPoint), MaxPoints, Records);
}

Decoded<std::vector<RailPoint>> DecodeRailSegment(std::span<const uint8_t> bytes) {
    return DecodeCountedRecords<RailPoint>(bytes, MaxPoints, Records, [](const uint8_t* record) {
        return RailPoint{ReadInt32LE(record), ReadInt32LE(record + 4)};
    });
}

std::vector<uint8_t> RailSegmentBytes(const RailNetwork& rails) {
    std::vector<uint8_t> bytes;
    AppendInt32LE(bytes, rails.PendingRailPointCount);
    for (int i = 0; i < rails.PendingRailPointCount; ++i) {
        const RailPoint& point = rails.PendingRailPoints[static_cast<size_t>(i)];
        AppendInt32LE(bytes, point.x);
        AppendInt32LE(bytes, point.y);
    }
    return bytes;
}

Decoded<std::vector<RailPoint>> DecodeRailSegmentFile(const std::string& path) {
    return DecodeFile(path, RailSegmentPrefixSize,
                      [](auto bytes, auto) { return DecodeRailSegment(bytes); });
}

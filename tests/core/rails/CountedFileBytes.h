#pragma once
// The bytes of a counted record file (rail sections, rail points, target areas) for tests:
// a count as stored, then the given int32 fields, little-endian; and the text shown when such a
// file is refused.

#include "core/io/FileIO.h"

#include <cstdint>
#include <string>
#include <vector>

inline std::vector<uint8_t> CountedFileBytes(int32_t count, const std::vector<int32_t>& fields) {
    std::vector<uint8_t> bytes;
    AppendInt32LE(bytes, count);
    for (const int32_t field : fields)
        AppendInt32LE(bytes, field);
    return bytes;
}

// "Failed to read NAME!", followed by the reason when the file was there but damaged.
inline std::string FailedToReadText(const std::string& name, const std::string& reason) {
    return "Failed to read " + name + "!" + (reason.empty() ? "" : "\n\n" + reason);
}

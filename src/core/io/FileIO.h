#pragma once
// Whole-file reading and atomic writing. Saves go to a temporary file that replaces the
// target only after every byte was written, so a failed save never leaves half a file.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Reads at most `maxBytes` from the start of the file (fewer when it is shorter); empty result
// when it cannot be opened or reading it fails.
std::optional<std::vector<uint8_t>> ReadFilePrefix(const std::string& path, size_t maxBytes);

// The step at which WriteFileAtomically failed: the file could not be created at all, or
// writing or replacing the target went wrong after it was.
enum class WriteFailure { None, Open, Write };

// Writes `bytes` as the whole new content of `path`. On failure returns false, leaves any
// existing file untouched and puts the system's reason into `error` (and the failed step into
// `failure`) when given.
bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error = nullptr, WriteFailure* failure = nullptr);

// Little-endian helpers for the file formats.
inline int32_t ReadInt32LE(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                (static_cast<uint32_t>(p[2]) << 16) |
                                (static_cast<uint32_t>(p[3]) << 24));
}
inline void AppendInt32LE(std::vector<uint8_t>& out, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

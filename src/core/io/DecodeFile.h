#pragma once
// Reading a file for its codec: only as many bytes as the codec can need, and the file's
// length, so that a file far too long is told apart without reading it whole.

#include "core/io/FileIO.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The first bytes of a file and the whole file's length.
struct FileStart {
    std::vector<uint8_t> bytes;
    unsigned long long size = 0;
};
// Reads at most `maxBytes` from the start of the file; empty when it cannot be opened, is no
// regular file or reading fails (NonRegularFileReason tells the second).
std::optional<FileStart> ReadFileStart(const std::string& path, size_t maxBytes);

// What `decode` (a codec, given the file's first `maxBytes` and its length) makes of the file
// at `path`; a file that cannot be read is refused with the reason that is known.
template <class Decode>
auto DecodeFile(const std::string& path, size_t maxBytes, Decode decode)
    -> decltype(decode(std::span<const uint8_t>{}, 0ull)) {
    const auto file = ReadFileStart(path, maxBytes);
    if (!file)
        return decltype(decode(std::span<const uint8_t>{}, 0ull))::Refused(
            NonRegularFileReason(path));
    return decode(file->bytes, file->size);
}

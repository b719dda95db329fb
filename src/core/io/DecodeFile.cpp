#include "core/io/DecodeFile.h"

#include <filesystem>

std::optional<FileStart> ReadFileStart(const std::string& path, size_t maxBytes) {
    auto bytes = ReadFilePrefix(path, maxBytes);
    if (!bytes)
        return std::nullopt;
    unsigned long long size = bytes->size();
    if (size == maxBytes) {
        // There may be more: the file system knows how much.
        std::error_code error;
        const uintmax_t length = std::filesystem::file_size(path, error);
        if (!error && length > size)
            size = length;
    }
    return FileStart{std::move(*bytes), size};
}

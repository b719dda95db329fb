#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

const std::string& FuzzFolder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "mapfuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern + "/";
    }();
    return folder;
}

std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size) {
    const std::string path = FuzzFolder() + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        std::abort();
    std::fclose(file);
    return path;
}

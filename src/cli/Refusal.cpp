#include "cli/Refusal.h"

#include "core/io/FileIO.h"

#include <cstdio>

bool Refuse(const std::string& reason) {
    std::fprintf(stderr, "maptool: %s\n", reason.c_str());
    return false;
}

bool WriteOrRefuse(const std::string& path, std::span<const uint8_t> bytes) {
    std::string error;
    if (!WriteFileAtomically(path, bytes, &error))
        return Refuse("unable to write " + path + ": " + error);
    return true;
}

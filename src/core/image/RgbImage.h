#pragma once
// A plain 24-bit picture: rows of red, green, blue bytes without gaps, in the row order of
// the file it came from (bottom row first for an ordinary bottom-up bitmap).

#include <cstdint>
#include <vector>

struct RgbImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> data; // height x width x 3 bytes
};

#pragma once
// The size of a bitmap's colour table when its header does not say: 2, 16 or 256 entries for
// 1, 4 or 8 bits per pixel, none for deeper pictures.

#include <cstdint>

constexpr uint32_t ColourCountForBitCount(int bitCount) {
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

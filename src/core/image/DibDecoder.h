#pragma once
// Decoding of device-independent bitmaps into RGB rows: files with or without the 14-byte
// file header, core (12-byte) and information (40-byte) headers, 1, 4, 8, 16, 24 and 32 bits
// per pixel, RLE4 and RLE8, bit-field masks, top-down and bottom-up rows. Every count and
// offset is checked against the bytes given.

#include "core/image/RgbImage.h"

#include <cstdint>
#include <span>

enum class DibResult {
    Decoded,
    UnknownFormat,   // the header size is neither 12 nor 40
    ConversionError, // the header, colour table or pixel bits cannot be turned into rows
    OutOfMemory,     // the picture is too large to hold
};

DibResult DecodeDib(std::span<const uint8_t> file, RgbImage& image);
// The same for the bytes that follow a file header (a TileBitmap block): they start with the
// information or core header even when its size field happens to begin with "BM".
DibResult DecodeDibWithoutFileHeader(std::span<const uint8_t> block, RgbImage& image);

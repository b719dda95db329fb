#pragma once
// Hand-made bitmap files for the image tests: a 40-byte information header (or a 12-byte
// core header) with any field value, so tests can build the formats and the hostile
// headers that no encoder writes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct DibLayout {
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    uint32_t headerSize = 40;
    std::vector<std::array<uint8_t, 3>> colours; // red, green, blue
    std::vector<uint32_t> masks;                 // written after the header (bit fields)
    std::vector<uint8_t> bits;
    bool fileHeader = true;
};

inline void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

inline void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

inline std::vector<uint8_t> MakeDib(const DibLayout& layout) {
    std::vector<uint8_t> body;
    Put32(body, layout.headerSize);
    if (layout.headerSize == 12) {
        Put16(body, static_cast<uint32_t>(layout.width));
        Put16(body, static_cast<uint32_t>(layout.height));
        Put16(body, 1);
        Put16(body, layout.bitCount);
    } else {
        Put32(body, static_cast<uint32_t>(layout.width));
        Put32(body, static_cast<uint32_t>(layout.height));
        Put16(body, 1);
        Put16(body, layout.bitCount);
        Put32(body, layout.compression);
        Put32(body, static_cast<uint32_t>(layout.bits.size()));
        Put32(body, 0);
        Put32(body, 0);
        Put32(body, layout.coloursUsed);
        Put32(body, 0);
        while (body.size() < layout.headerSize)
            body.push_back(0);
    }
    for (uint32_t mask : layout.masks)
        Put32(body, mask);
    for (const auto& colour : layout.colours) {
        body.push_back(colour[2]);
        body.push_back(colour[1]);
        body.push_back(colour[0]);
        if (layout.headerSize != 12)
            body.push_back(0);
    }
    const std::size_t bitsOffset = body.size() + (layout.fileHeader ? 14 : 0);
    body.insert(body.end(), layout.bits.begin(), layout.bits.end());
    if (!layout.fileHeader)
        return body;
    std::vector<uint8_t> file{'B', 'M'};
    Put32(file, static_cast<uint32_t>(14 + body.size()));
    Put32(file, 0);
    Put32(file, static_cast<uint32_t>(bitsOffset));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// A 64 x 64 tile picture at 8 bits whose stored pixel (row i, column j) is `pixel(i, j)`.
template <typename Pixel> std::vector<uint8_t> MakeTileFile(Pixel pixel) {
    DibLayout layout;
    layout.width = 64;
    layout.height = 64;
    layout.bitCount = 8;
    for (int c = 0; c < 256; ++c)
        layout.colours.push_back(
            {static_cast<uint8_t>(c), static_cast<uint8_t>(255 - c), static_cast<uint8_t>(c / 2)});
    for (int i = 0; i < 64; ++i)
        for (int j = 0; j < 64; ++j)
            layout.bits.push_back(static_cast<uint8_t>(pixel(i, j)));
    return MakeDib(layout);
}

#pragma once
// Hand-made bitmap files for the image tests: a 40-byte information header (or a 12-byte
// core header) with any field value, so tests can build the formats and the hostile
// headers that no encoder writes.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct DibLayout {
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    uint32_t headerSize = 40;
    std::vector<std::array<uint8_t, 3>> colours{}; // red, green, blue
    std::vector<uint32_t> masks{};                 // written after the header (bit fields)
    std::vector<uint8_t> bits{};
    bool fileHeader = true;
};

inline void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline std::vector<uint8_t> MakeDib(const DibLayout& layout) {
    const int sizeBytes = layout.headerSize == 12 ? 2 : 4;
    std::vector<uint8_t> body;
    Put(body, layout.headerSize, 4);
    Put(body, static_cast<uint32_t>(layout.width), sizeBytes);
    Put(body, static_cast<uint32_t>(layout.height), sizeBytes);
    Put(body, 1, 2);
    Put(body, layout.bitCount, 2);
    if (layout.headerSize != 12) {
        Put(body, layout.compression, 4);
        Put(body, static_cast<uint32_t>(layout.bits.size()), 4);
        Put(body, 0, 4); // resolution
        Put(body, 0, 4);
        Put(body, layout.coloursUsed, 4);
        body.resize(std::max<size_t>(body.size(), layout.headerSize), 0);
    }
    for (uint32_t mask : layout.masks)
        Put(body, mask, 4);
    for (const auto& colour : layout.colours) {
        body.insert(body.end(), {colour[2], colour[1], colour[0]});
        if (layout.headerSize != 12)
            body.push_back(0);
    }
    if (!layout.fileHeader) {
        body.insert(body.end(), layout.bits.begin(), layout.bits.end());
        return body;
    }
    std::vector<uint8_t> file{'B', 'M'};
    Put(file, static_cast<uint32_t>(14 + body.size() + layout.bits.size()), 4);
    Put(file, 0, 4);
    Put(file, static_cast<uint32_t>(14 + body.size()), 4);
    file.insert(file.end(), body.begin(), body.end());
    file.insert(file.end(), layout.bits.begin(), layout.bits.end());
    return file;
}

// A run-length (RLE8) picture of the given size whose only data ends the picture at once.
inline std::vector<uint8_t> RunLengthPicture(int32_t width, int32_t height) {
    return MakeDib({.width = width,
                    .height = height,
                    .bitCount = 8,
                    .compression = 1,
                    .coloursUsed = 2,
                    .colours = {{0, 0, 0}, {255, 255, 255}},
                    .bits = {0, 1}});
}

// A 64 x 64 tile picture at 8 bits whose stored pixel (row i, column j) is `pixel(i, j)`.
template <typename Pixel> std::vector<uint8_t> MakeTileFile(Pixel pixel) {
    DibLayout layout{.width = 64, .height = 64, .bitCount = 8};
    for (int c = 0; c < 256; ++c)
        layout.colours.push_back(
            {static_cast<uint8_t>(c), static_cast<uint8_t>(255 - c), static_cast<uint8_t>(c / 2)});
    for (int i = 0; i < 64; ++i)
        for (int j = 0; j < 64; ++j)
            layout.bits.push_back(static_cast<uint8_t>(pixel(i, j)));
    return MakeDib(layout);
}

inline std::string BitmapFixture(const std::string& name) {
    return std::string(TEST_FIXTURE_DIR "/bitmaps/") + name;
}

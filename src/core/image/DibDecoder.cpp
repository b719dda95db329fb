#include "core/image/DibDecoder.h"

#include "core/image/BitCountColours.h"
#include "core/image/PictureLimits.h"

#include "core/io/FileIO.h"

#include <array>
#include <bit>

namespace {

constexpr size_t FileHeaderSize = 14;
constexpr uint32_t CompressionNone = 0;
constexpr uint32_t CompressionRle8 = 1;
constexpr uint32_t CompressionRle4 = 2;
constexpr uint32_t CompressionBitFields = 3;

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

struct DibLayout {
    int64_t width = 0;
    int64_t height = 0; // negative for top-down rows
    uint16_t bitCount = 0;
    uint32_t compression = CompressionNone;
    std::array<Rgb, 256> colours{};
    uint32_t colourCount = 0;
    std::array<uint32_t, 3> masks{}; // red, green, blue for 16 and 32 bits per pixel
    size_t bitsOffset = 0;
};

uint16_t Read16(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

uint32_t Read32(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint32_t>(ReadInt32LE(bytes.data() + offset));
}

// A channel of a bit-field pixel scaled to eight bits.
uint8_t Channel(uint32_t value, uint32_t mask) {
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const int width = std::popcount(mask >> shift);
    uint32_t bits = (value & mask) >> shift;
    if (width >= 8)
        return static_cast<uint8_t>(bits >> (width - 8));
    // Repeat the high bits into the low ones so that full intensity stays 255.
    uint32_t scaled = 0;
    for (int filled = 0; filled < 8; filled += width)
        scaled = (scaled << width) | bits;
    const int total = ((8 + width - 1) / width) * width;
    return static_cast<uint8_t>(scaled >> (total - 8));
}

bool StartsWithFileHeader(std::span<const uint8_t> file) {
    return file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
}

DibResult ReadLayout(std::span<const uint8_t> file, bool hasFileHeader, DibLayout& layout) {
    const size_t header = hasFileHeader ? FileHeaderSize : 0;
    if (file.size() < header + 4)
        return DibResult::UnknownFormat;
    const uint32_t headerSize = Read32(file, header);
    if (headerSize != 12 && headerSize != 40)
        return DibResult::UnknownFormat;
    if (file.size() < header + headerSize)
        return DibResult::ConversionError;

    size_t tableStart = header + headerSize;
    size_t entrySize = 4;
    if (headerSize == 12) {
        layout.width = Read16(file, header + 4);
        layout.height = Read16(file, header + 6);
        layout.bitCount = Read16(file, header + 10);
        layout.colourCount = ColourCountForBitCount(layout.bitCount);
        entrySize = 3;
    } else {
        layout.width = static_cast<int32_t>(Read32(file, header + 4));
        layout.height = static_cast<int32_t>(Read32(file, header + 8));
        layout.bitCount = Read16(file, header + 14);
        layout.compression = Read32(file, header + 16);
        const uint32_t used = Read32(file, header + 32);
        layout.colourCount = used != 0 ? (used & 0xFFFF) : ColourCountForBitCount(layout.bitCount);
        if (layout.compression == CompressionBitFields) {
            // The three masks follow the header; the colour table (if any) follows them.
            if (file.size() < tableStart + 12)
                return DibResult::ConversionError;
            for (size_t i = 0; i < 3; ++i)
                layout.masks[i] = Read32(file, tableStart + 4 * i);
            tableStart += 12;
        }
    }
    const size_t tableSize = static_cast<size_t>(layout.colourCount) * entrySize;
    if (file.size() < tableStart + tableSize)
        return DibResult::ConversionError;
    for (uint32_t i = 0; i < layout.colourCount && i < layout.colours.size(); ++i) {
        const uint8_t* entry = file.data() + tableStart + i * entrySize;
        layout.colours[i] = {entry[2], entry[1], entry[0]};
    }
    layout.bitsOffset = hasFileHeader ? Read32(file, 10) : tableStart + tableSize;
    if (layout.bitsOffset > file.size())
        return DibResult::ConversionError;
    return DibResult::Decoded;
}

bool IsSupported(const DibLayout& layout) {
    switch (layout.compression) {
    case CompressionNone:
        return layout.bitCount == 1 || layout.bitCount == 4 || layout.bitCount == 8 ||
               layout.bitCount == 16 || layout.bitCount == 24 || layout.bitCount == 32;
    case CompressionRle8:
        return layout.bitCount == 8 && layout.height > 0;
    case CompressionRle4:
        return layout.bitCount == 4 && layout.height > 0;
    case CompressionBitFields:
        return layout.bitCount == 16 || layout.bitCount == 32;
    default:
        return false;
    }
}

Rgb IndexedColour(const DibLayout& layout, uint32_t index) {
    return index < layout.colourCount && index < layout.colours.size() ? layout.colours[index]
                                                                       : Rgb{};
}

void Store(RgbImage& image, int64_t row, int64_t column, Rgb colour) {
    uint8_t* pixel = image.data.data() + (row * image.width + column) * 3;
    pixel[0] = colour.red;
    pixel[1] = colour.green;
    pixel[2] = colour.blue;
}

Rgb UncompressedPixel(const DibLayout& layout, const uint8_t* row, int64_t column) {
    switch (layout.bitCount) {
    case 1:
        return IndexedColour(layout, (row[column / 8] >> (7 - column % 8)) & 1);
    case 4:
        return IndexedColour(layout, (row[column / 2] >> (column % 2 == 0 ? 4 : 0)) & 15);
    case 8:
        return IndexedColour(layout, row[column]);
    case 24: {
        const uint8_t* p = row + column * 3;
        return {p[2], p[1], p[0]};
    }
    default: {
        const bool wide = layout.bitCount == 32;
        const uint8_t* p = row + column * (wide ? 4 : 2);
        const uint32_t value = wide ? static_cast<uint32_t>(ReadInt32LE(p))
                                    : static_cast<uint32_t>(p[0] | (p[1] << 8));
        if (layout.compression == CompressionBitFields)
            return {Channel(value, layout.masks[0]), Channel(value, layout.masks[1]),
                    Channel(value, layout.masks[2])};
        if (wide)
            return {p[2], p[1], p[0]};
        return {Channel(value, 0x7C00), Channel(value, 0x03E0), Channel(value, 0x001F)};
    }
    }
}

DibResult DecodeUncompressed(std::span<const uint8_t> file, const DibLayout& layout,
                             RgbImage& image) {
    const int64_t stride = ((layout.width * layout.bitCount + 31) / 32) * 4;
    const int64_t lastRowBytes = (layout.width * layout.bitCount + 7) / 8;
    const int64_t rows = image.height;
    const int64_t available = static_cast<int64_t>(file.size() - layout.bitsOffset);
    if (stride * (rows - 1) + lastRowBytes > available)
        return DibResult::ConversionError;
    for (int64_t y = 0; y < rows; ++y) {
        const uint8_t* row = file.data() + layout.bitsOffset + y * stride;
        for (int64_t x = 0; x < layout.width; ++x)
            Store(image, y, x, UncompressedPixel(layout, row, x));
    }
    return DibResult::Decoded;
}

// Run-length rows: pixels that no run reaches stay black.
DibResult DecodeRunLength(std::span<const uint8_t> file, const DibLayout& layout, RgbImage& image) {
    const bool fourBit = layout.compression == CompressionRle4;
    const std::span<const uint8_t> bits = file.subspan(layout.bitsOffset);
    size_t at = 0;
    int64_t x = 0;
    int64_t y = 0;
    auto put = [&](uint32_t index) {
        if (x < image.width && y < image.height)
            Store(image, y, x, IndexedColour(layout, index));
        ++x;
    };
    while (at + 2 <= bits.size() && y < image.height) {
        const uint8_t count = bits[at];
        const uint8_t value = bits[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(fourBit ? ((i % 2 == 0) ? value >> 4 : value & 15) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (at + 2 > bits.size())
                break;
            x += bits[at];
            y += bits[at + 1];
            at += 2;
        } else {
            const size_t bytes = fourBit ? (value + 1u) / 2 : value;
            if (at + bytes > bits.size())
                break;
            for (int i = 0; i < value; ++i) {
                const uint8_t byte = bits[at + (fourBit ? i / 2 : i)];
                put(fourBit ? ((i % 2 == 0) ? byte >> 4 : byte & 15) : byte);
            }
            at += bytes + (bytes % 2); // absolute runs end on a 16-bit boundary
        }
    }
    return DibResult::Decoded;
}

DibResult Decode(std::span<const uint8_t> file, bool hasFileHeader, RgbImage& image) {
    DibLayout layout;
    if (const DibResult result = ReadLayout(file, hasFileHeader, layout);
        result != DibResult::Decoded)
        return result;
    const int64_t rows = layout.height < 0 ? -layout.height : layout.height;
    if (layout.width <= 0 || rows == 0 || !IsSupported(layout))
        return DibResult::ConversionError;
    // Larger pictures are refused as out of memory rather than attempted.
    if (layout.width > MaxPictureSide || rows > MaxPictureSide)
        return DibResult::OutOfMemory;

    RgbImage decoded;
    decoded.width = static_cast<int32_t>(layout.width);
    decoded.height = static_cast<int32_t>(rows);
    decoded.data.assign(static_cast<size_t>(layout.width * rows * 3), 0);
    const bool runLength =
        layout.compression == CompressionRle8 || layout.compression == CompressionRle4;
    const DibResult result = runLength ? DecodeRunLength(file, layout, decoded)
                                       : DecodeUncompressed(file, layout, decoded);
    if (result == DibResult::Decoded)
        image = std::move(decoded);
    return result;
}

} // namespace

DibResult DecodeDib(std::span<const uint8_t> file, RgbImage& image) {
    return Decode(file, StartsWithFileHeader(file), image);
}

DibResult DecodeDibWithoutFileHeader(std::span<const uint8_t> block, RgbImage& image) {
    return Decode(block, false, image);
}

#include "core/image/TileBitmap.h"

#include "core/image/BitCountColours.h"
#include "core/image/PictureLimits.h"

#include "core/io/FileIO.h"

#include <filesystem>

namespace {

constexpr int InformationHeaderSize = 40;
constexpr int CoreHeaderSize = 12;

// Fields outside the block read as 0, so a block that was never checked (an empty one, say)
// is measured as having nothing in it instead of being read beyond its end.
uint16_t Read16(const std::vector<uint8_t>& bytes, size_t offset) {
    if (offset + 2 > bytes.size())
        return 0;
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t offset) {
    if (offset + 4 > bytes.size())
        return 0;
    return static_cast<uint32_t>(ReadInt32LE(bytes.data() + offset));
}

uint32_t Compression(const TileBitmap& bitmap) {
    return IsInformationHeader(bitmap) ? Read32(bitmap.bytes, 16) : 0;
}

// Header, colour table and (for uncompressed rows) every pixel row inside the block.
bool HasConsistentLayout(const TileBitmap& bitmap) {
    const size_t size = bitmap.bytes.size();
    if (size < 4)
        return false;
    if (size < static_cast<size_t>(BitmapHeaderSize(bitmap)))
        return false;
    if (BitmapPixels(bitmap) > size)
        return false;
    const int64_t width = BitmapWidth(bitmap);
    const int64_t height = BitmapHeight(bitmap);
    const int64_t rows = height < 0 ? -height : height;
    // A few bytes of run-length data can name a picture of millions of pixels; such a header
    // is refused here rather than decoded into memory.
    if (width < 0 || width > MaxPictureSide || rows > MaxPictureSide)
        return false;
    if (Compression(bitmap) != 0)
        return true; // run-length and other packed rows are measured by their own decoder
    const int bits = BitmapBitCount(bitmap);
    if (bits <= 0 || bits > 32)
        return false;
    const int64_t stride = ((width * bits + 31) / 32) * 4;
    return stride * rows <= static_cast<int64_t>(size - BitmapPixels(bitmap));
}

} // namespace

std::optional<TileBitmap> ReadBitmapBytes(std::span<const uint8_t> file) {
    if (file.size() < BitmapFileHeaderSize || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    TileBitmap bitmap;
    bitmap.bytes.assign(file.begin() + BitmapFileHeaderSize, file.end());
    if (!HasConsistentLayout(bitmap))
        return std::nullopt;
    return bitmap;
}

std::optional<TileBitmap> ReadBitmapFile(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > MaxPictureFileSize)
        return std::nullopt;
    const auto file = ReadFilePrefix(path, size);
    if (!file)
        return std::nullopt;
    return ReadBitmapBytes(*file);
}

bool IsInformationHeader(const TileBitmap& bitmap) {
    return Read32(bitmap.bytes, 0) == InformationHeaderSize;
}

int BitmapHeaderSize(const TileBitmap& bitmap) {
    return IsInformationHeader(bitmap) ? InformationHeaderSize : CoreHeaderSize;
}

int BitmapWidth(const TileBitmap& bitmap) {
    return IsInformationHeader(bitmap) ? static_cast<int32_t>(Read32(bitmap.bytes, 4))
                                       : Read16(bitmap.bytes, 4);
}

int BitmapHeight(const TileBitmap& bitmap) {
    return IsInformationHeader(bitmap) ? static_cast<int32_t>(Read32(bitmap.bytes, 8))
                                       : Read16(bitmap.bytes, 6);
}

int BitmapBitCount(const TileBitmap& bitmap) {
    return Read16(bitmap.bytes, IsInformationHeader(bitmap) ? 14 : 10);
}

uint32_t BitmapColourCount(const TileBitmap& bitmap) {
    if (IsInformationHeader(bitmap)) {
        const uint32_t used = Read32(bitmap.bytes, 32);
        if (used != 0)
            return used;
    }
    return ColourCountForBitCount(BitmapBitCount(bitmap));
}

size_t BitmapPaletteSize(const TileBitmap& bitmap) {
    return static_cast<size_t>(BitmapColourCount(bitmap)) * (IsInformationHeader(bitmap) ? 4 : 3);
}

size_t BitmapPixels(const TileBitmap& bitmap) {
    return static_cast<size_t>(BitmapHeaderSize(bitmap)) + BitmapPaletteSize(bitmap);
}

size_t BitmapRowStride(const TileBitmap& bitmap) {
    const auto width = static_cast<size_t>(BitmapWidth(bitmap));
    return ((width * static_cast<size_t>(BitmapBitCount(bitmap)) + 31) / 32) * 4;
}

std::vector<PaletteColour> CreateBitmapPalette(const TileBitmap& bitmap) {
    if (BitmapPixels(bitmap) > bitmap.bytes.size())
        return {};
    const uint32_t count = BitmapColourCount(bitmap);
    const size_t entrySize = IsInformationHeader(bitmap) ? 4 : 3;
    std::vector<PaletteColour> palette;
    palette.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* entry = bitmap.bytes.data() + BitmapHeaderSize(bitmap) + i * entrySize;
        palette.push_back({entry[2], entry[1], entry[0]});
    }
    return palette;
}

TileBitmap CopyBitmap(const TileBitmap& bitmap) {
    return bitmap;
}

bool IsTilePicture(const TileBitmap& bitmap) {
    const int height = BitmapHeight(bitmap);
    return BitmapWidth(bitmap) == TilePictureSize &&
           (height == TilePictureSize || height == -TilePictureSize) &&
           BitmapBitCount(bitmap) == 8 && Compression(bitmap) == 0 &&
           BitmapPixels(bitmap) + TilePictureSize * TilePictureSize <= bitmap.bytes.size();
}

std::optional<TileBitmap> RotateTileBitmap(const TileBitmap& bitmap, int rotation) {
    if (rotation < 1 || rotation > 3 || !IsTilePicture(bitmap))
        return std::nullopt;
    constexpr int last = TilePictureSize - 1;
    // The mapping below is for bottom-up rows; in top-down rows the picture is stored upside
    // down, where a clockwise turn is a counter-clockwise turn of the stored rows.
    if (BitmapHeight(bitmap) < 0)
        rotation = 4 - rotation;
    TileBitmap turned = CopyBitmap(bitmap);
    const uint8_t* source = bitmap.bytes.data() + BitmapPixels(bitmap);
    uint8_t* target = turned.bytes.data() + BitmapPixels(bitmap);
    // Stored row 0 is the picture's bottom row.
    for (int i = 0; i < TilePictureSize; ++i) {
        for (int j = 0; j < TilePictureSize; ++j) {
            int row = 0;
            int column = 0;
            switch (rotation) {
            case 1:
                row = last - j;
                column = i;
                break;
            case 2:
                row = last - i;
                column = last - j;
                break;
            default:
                row = j;
                column = last - i;
                break;
            }
            target[row * TilePictureSize + column] = source[i * TilePictureSize + j];
        }
    }
    return turned;
}

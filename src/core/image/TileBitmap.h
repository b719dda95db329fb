#pragma once
// The in-memory bitmap of the tile pictures and palette buttons: the bytes of a Windows
// bitmap file without its 14-byte file header (information or core header, colour table,
// pixel rows). The pixel rows are taken to follow the colour table directly. Every block
// made by ReadBitmapFile has been checked: its header, colour table and pixel rows lie
// inside it, so the measuring functions below never read outside the block.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct TileBitmap {
    std::vector<uint8_t> bytes;
};

// One colour of a bitmap's palette.
struct PaletteColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const PaletteColour&) const = default;
};

constexpr int TilePictureSize = 64;
constexpr size_t BitmapFileHeaderSize = 14;

// The bitmap in a whole file's bytes: none unless the file starts with "BM" and its header,
// colour table and pixel rows fit in the file.
std::optional<TileBitmap> ReadBitmapBytes(std::span<const uint8_t> file);
// The same for a file on disk; none when it cannot be read.
std::optional<TileBitmap> ReadBitmapFile(const std::string& path);

// True for a 40-byte information header; anything else is read as a 12-byte core header.
bool IsInformationHeader(const TileBitmap& bitmap);
int BitmapHeaderSize(const TileBitmap& bitmap);
int BitmapWidth(const TileBitmap& bitmap);
int BitmapHeight(const TileBitmap& bitmap);
int BitmapBitCount(const TileBitmap& bitmap);
// Colours used (information header, when non-zero), else 2, 16 or 256 by bit count, else 0.
uint32_t BitmapColourCount(const TileBitmap& bitmap);
// Bytes of the colour table: 4 per colour after an information header, 3 after a core header.
size_t BitmapPaletteSize(const TileBitmap& bitmap);
// Offset of the pixel rows in the block: header size + palette size.
size_t BitmapPixels(const TileBitmap& bitmap);
// Bytes of one stored pixel row (rows are padded to four bytes).
size_t BitmapRowStride(const TileBitmap& bitmap);

// The colour table as red, green, blue entries; empty when the bitmap has no colour table.
std::vector<PaletteColour> CreateBitmapPalette(const TileBitmap& bitmap);
// A copy with the same bytes.
TileBitmap CopyBitmap(const TileBitmap& bitmap);
// True for the tiles' format: 64 x 64 pixels (either row order), 8 bits, uncompressed.
bool IsTilePicture(const TileBitmap& bitmap);
// The picture turned `rotation` (1-3) quarter turns clockwise; none for other rotations or
// for a bitmap that is not a tile picture.
std::optional<TileBitmap> RotateTileBitmap(const TileBitmap& bitmap, int rotation);

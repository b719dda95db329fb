#include "core/area/MapClip.h"

#include <algorithm>
#include <string_view>

namespace {
constexpr std::string_view Magic = "MAPCLIP1";
constexpr size_t HeaderSize = 8 + 2 + 2 + 1;
constexpr uint8_t HasTiles = 1;
constexpr uint8_t HasHeights = 2;
constexpr TileCell Grass = MakeCell(0, 1); // "Grass.bmp"

// Copies a rectangle of width x height cells between a row-by-row grid of `fromStride`
// columns and one of `toStride` columns.
template <typename T>
void CopyRows(const T* from, int fromStride, T* to, int toStride, int width, int height) {
    for (int r = 0; r < height; ++r)
        std::copy_n(from + static_cast<ptrdiff_t>(r) * fromStride, width,
                    to + static_cast<ptrdiff_t>(r) * toStride);
}

void Put16(std::vector<uint8_t>& bytes, int value) {
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

int Get16(std::span<const uint8_t> bytes, size_t at) {
    return bytes[at] | (bytes[at + 1] << 8);
}
} // namespace

MapClip CopyClip(const TileMap& tiles, const HeightMap& heights, CellRect rect) {
    rect = rect.ClippedToMap();
    MapClip clip;
    if (rect.Empty())
        return clip;
    clip.width = rect.Width();
    clip.height = rect.Height();
    const size_t count = static_cast<size_t>(clip.width) * static_cast<size_t>(clip.height);
    const int first = CellIndex(rect.top, rect.left);
    if (tiles.HasTileMap()) {
        clip.tiles.resize(count);
        CopyRows(tiles.Cells().data() + first, MapWidth, clip.tiles.data(), clip.width, clip.width,
                 clip.height);
    }
    if (heights.HasHeightMap()) {
        clip.heights.resize(count);
        CopyRows(heights.Heights().data() + first, MapWidth, clip.heights.data(), clip.width,
                 clip.width, clip.height);
    }
    return clip;
}

CellRect CutToGrass(TileMap& tiles, CellRect rect) {
    rect = rect.ClippedToMap();
    if (!tiles.HasTileMap() || rect.Empty())
        return {};
    for (int r = rect.top; r < rect.bottom; ++r)
        std::fill_n(tiles.Cells().begin() + CellIndex(r, rect.left), rect.Width(), Grass);
    return rect;
}

CellRect PasteClip(TileMap& tiles, HeightMap& heights, const MapClip& clip, int row, int column,
                   PasteLayers layers) {
    const CellRect place =
        CellRect{column, row, column + clip.width, row + clip.height}.ClippedToMap();
    const bool pasteTiles =
        layers != PasteLayers::HeightsOnly && tiles.HasTileMap() && !clip.tiles.empty();
    const bool pasteHeights =
        layers != PasteLayers::TilesOnly && heights.HasHeightMap() && !clip.heights.empty();
    if (place.Empty() || (!pasteTiles && !pasteHeights))
        return {};
    const int from = (place.top - row) * clip.width + (place.left - column);
    const int to = CellIndex(place.top, place.left);
    if (pasteTiles)
        CopyRows(clip.tiles.data() + from, clip.width, tiles.Cells().data() + to, MapWidth,
                 place.Width(), place.Height());
    if (pasteHeights)
        CopyRows(clip.heights.data() + from, clip.width, heights.Heights().data() + to, MapWidth,
                 place.Width(), place.Height());
    return place;
}

std::vector<uint8_t> EncodeClip(const MapClip& clip) {
    std::vector<uint8_t> bytes(Magic.begin(), Magic.end());
    Put16(bytes, clip.width);
    Put16(bytes, clip.height);
    bytes.push_back(static_cast<uint8_t>((clip.tiles.empty() ? 0 : HasTiles) |
                                         (clip.heights.empty() ? 0 : HasHeights)));
    bytes.insert(bytes.end(), clip.tiles.begin(), clip.tiles.end());
    for (const uint16_t height : clip.heights)
        Put16(bytes, height);
    return bytes;
}

DecodedClip DecodeClip(std::span<const uint8_t> bytes) {
    DecodedClip result;
    if (bytes.size() < HeaderSize ||
        !std::equal(Magic.begin(), Magic.end(), bytes.begin(),
                    [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; })) {
        result.error = "The clipboard does not hold map cells.";
        return result;
    }
    const int width = Get16(bytes, 8);
    const int height = Get16(bytes, 10);
    const uint8_t layers = bytes[12];
    if (width < 1 || width > MapWidth || height < 1 || height > MapHeight ||
        (layers & ~(HasTiles | HasHeights)) != 0 || layers == 0) {
        result.error = "The map cells on the clipboard have an impossible size or layer set.";
        return result;
    }
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    const size_t expected =
        HeaderSize + ((layers & HasTiles) ? count : 0) + ((layers & HasHeights) ? 2 * count : 0);
    if (bytes.size() != expected) {
        result.error = "The map cells on the clipboard are cut short or followed by other data.";
        return result;
    }
    MapClip& clip = result.clip;
    clip.width = width;
    clip.height = height;
    size_t at = HeaderSize;
    if (layers & HasTiles) {
        clip.tiles.assign(bytes.begin() + static_cast<ptrdiff_t>(at),
                          bytes.begin() + static_cast<ptrdiff_t>(at + count));
        at += count;
    }
    if (layers & HasHeights) {
        clip.heights.resize(count);
        for (size_t i = 0; i < count; ++i, at += 2)
            clip.heights[i] = static_cast<uint16_t>(Get16(bytes, at));
    }
    return result;
}

// maptool info: a short summary of each map file, read with the editor's own codecs.

#include "cli/CliCommand.h"
#include "cli/LayerFiles.h"
#include "core/io/MapFileKind.h"
#include "core/map/MapGeometry.h"
#include "core/rails/RailNetwork.h"
#include "core/rails/TargetAreas.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>

namespace {

// The map cell of a world coordinate (floor division, so points west or north of the
// world origin land in the right cell).
int64_t CellOfWorld(int32_t world, int32_t originCell) {
    int64_t cell = world / WorldUnitsPerCell;
    if (world % WorldUnitsPerCell < 0)
        --cell;
    return cell + originCell;
}

// The bounding box of world points, in map cells.
struct CellBox {
    int64_t minColumn = INT64_MAX, maxColumn = INT64_MIN, minRow = INT64_MAX, maxRow = INT64_MIN;
    void Add(int32_t x, int32_t y) {
        const int64_t column = CellOfWorld(x, WorldOriginColumn);
        const int64_t row = CellOfWorld(y, WorldOriginRow);
        minColumn = std::min(minColumn, column);
        maxColumn = std::max(maxColumn, column);
        minRow = std::min(minRow, row);
        maxRow = std::max(maxRow, row);
    }
    void Print() const {
        if (minColumn > maxColumn) {
            std::printf("  no points\n");
            return;
        }
        const bool inside =
            minColumn >= 0 && maxColumn < MapWidth && minRow >= 0 && maxRow < MapHeight;
        std::printf("  cells: columns %lld-%lld, rows %lld-%lld (%s)\n",
                    static_cast<long long>(minColumn), static_cast<long long>(maxColumn),
                    static_cast<long long>(minRow), static_cast<long long>(maxRow),
                    inside ? "inside the map" : "partly outside the map");
    }
};

// A name from a file as printable text: control bytes (escape, CR, BEL, the C1 range) and
// every other byte outside printable ASCII are shown as \xHH, a backslash as \\, so that
// nothing in a file can steer the terminal.
std::string Printable(const std::string& name) {
    std::string text;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\') {
            text += "\\\\";
        } else if (byte >= 0x20 && byte < 0x7F) {
            text += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        }
    }
    return text;
}

void PrintSize(const std::string& path, uintmax_t expected) {
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return;
    const char* verdict = size == expected  ? "matches"
                          : size < expected ? "SHORT: the rest reads as zero"
                                            : "LONG: only the first bytes are used";
    std::printf("  size: %ju bytes (%ju expected, %s)\n", size, expected, verdict);
}

bool TextureMapInfo(const std::string& path) {
    const auto cells = ReadTextureMapCells(path);
    if (!cells)
        return false;
    std::printf("%s: texture map\n", path.c_str());
    PrintSize(path, MapCellCount);
    std::array<int, TileCodeCount> counts{};
    std::array<int, 4> rotations{};
    for (const TileCell cell : *cells) {
        ++counts[CodeOf(cell)];
        ++rotations[static_cast<size_t>(RotationOf(cell))];
    }
    std::printf("  rotations: 0: %d, 1: %d, 2: %d, 3: %d\n", rotations[0], rotations[1],
                rotations[2], rotations[3]);
    std::printf("  tile codes in use:\n");
    for (int code = 0; code < TileCodeCount; ++code) {
        if (counts[static_cast<size_t>(code)] == 0)
            continue;
        const std::string name =
            code < TileCatalogueSize ? std::string(TileFileName(code)) : "(no tile: magenta)";
        std::printf("    %2d %-14s %6d\n", code, name.c_str(), counts[static_cast<size_t>(code)]);
    }
    return true;
}

bool HeightMapInfo(const std::string& path) {
    const auto read = ReadHeights(path);
    if (!read)
        return false;
    std::printf("%s: height map\n", path.c_str());
    PrintSize(path, static_cast<uintmax_t>(MapCellCount) * 2);
    const std::vector<uint16_t>& heights = *read;
    const auto water = std::count(heights.begin(), heights.end(), uint16_t{0});
    uint16_t lowestLand = UINT16_MAX;
    for (const uint16_t h : heights)
        if (h != 0)
            lowestLand = std::min(lowestLand, h);
    const uint16_t highest = *std::max_element(heights.begin(), heights.end());
    std::printf("  water cells (height 0): %ld\n", static_cast<long>(water));
    if (water == static_cast<long>(heights.size()))
        std::printf("  no land\n");
    else
        std::printf("  land heights: %u-%u\n", lowestLand, highest);
    return true;
}

bool RailroadDefinitionInfo(const std::string& path) {
    const auto sections = ReadRailSections(path);
    if (!sections)
        return false;
    std::printf("%s: railroad definition\n", path.c_str());
    PrintSize(path, 4 + 24 * static_cast<uintmax_t>(sections->size()));
    std::printf("  sections: %zu of %d\n", sections->size(), RailTableSize);
    CellBox box;
    for (const RailSection& s : *sections) {
        box.Add(s.x1, s.y1);
        box.Add(s.x2, s.y2);
    }
    box.Print();
    return true;
}

bool RailSegmentInfo(const std::string& path) {
    const auto points = ReadRailPoints(path);
    if (!points)
        return false;
    std::printf("%s: rail segment\n", path.c_str());
    PrintSize(path, 4 + 8 * static_cast<uintmax_t>(points->size()));
    std::printf("  points: %zu\n", points->size());
    CellBox box;
    for (const RailPoint& point : *points)
        box.Add(point.x, point.y);
    box.Print();
    return true;
}

bool TargetListInfo(const std::string& path) {
    const auto areas = ReadTargetAreas(path);
    if (!areas)
        return false;
    std::printf("%s: target list\n", path.c_str());
    PrintSize(path, 4 + 48 * static_cast<uintmax_t>(areas->size()));
    std::printf("  target areas: %zu\n", areas->size());
    for (const TargetArea& area : *areas)
        std::printf("    %-32s column %lld, row %lld\n", Printable(TargetAreaName(area)).c_str(),
                    static_cast<long long>(CellOfWorld(area.x, WorldOriginColumn)),
                    static_cast<long long>(CellOfWorld(area.y, WorldOriginRow)));
    return true;
}

bool FileInfo(const std::string& path) {
    switch (MapFileKindOf(path)) {
    case MapFileKind::TextureMap:
        return TextureMapInfo(path);
    case MapFileKind::HeightMap:
        return HeightMapInfo(path);
    case MapFileKind::RailroadDefinition:
        return RailroadDefinitionInfo(path);
    case MapFileKind::RailSegment:
        return RailSegmentInfo(path);
    case MapFileKind::TargetList:
        return TargetListInfo(path);
    case MapFileKind::Unknown:
        break;
    }
    std::fprintf(stderr,
                 "maptool: %s: unknown kind of file (expected .tm, .hm, .raw, .rrd, "
                 ".seg or .dat)\n",
                 path.c_str());
    return false;
}

} // namespace

int RunInfo(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        std::fputs("maptool info: name at least one file\n", stderr);
        return ExitUsage;
    }
    if (std::find(arguments.begin(), arguments.end(), std::string()) != arguments.end()) {
        std::fputs("maptool: a file name is empty\n", stderr);
        return ExitUsage;
    }
    bool allRead = true;
    for (const std::string& path : arguments) {
        allRead = FileInfo(path) && allRead;
        std::fflush(stdout);
    }
    return allRead ? ExitSuccess : ExitFailure;
}

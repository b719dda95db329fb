#include "core/tilemap/TileCatalogue.h"

#include <array>
#include <initializer_list>

namespace {

constexpr uint8_t Mask(std::initializer_list<int> halfEdges) {
    uint8_t mask = 0;
    for (int h : halfEdges)
        mask |= static_cast<uint8_t>(1u << h);
    return mask;
}

constexpr std::array<TileCatalogueEntry, TileCatalogueSize> Catalogue = {{
    {"Field8.bmp", Mask({2, 7})},
    {"Grass.bmp", Mask({2, 7})},
    {"Wabmp.bmp", Mask({2, 7})},
    {"Coast1.bmp", Mask({3, 6})},
    {"Coast3.bmp", Mask({1, 6})},
    {"Coast2.bmp", Mask({3, 4})},
    {"Field1.bmp", Mask({})},
    {"Field2.bmp", Mask({})},
    {"Field5.bmp", Mask({})},
    {"Field4.bmp", Mask({})},
    {"Alcty.bmp", Mask({})},
    {"Alcty2.bmp", Mask({0, 3})},
    {"Alcty3.bmp", Mask({0, 7})},
    {"Alcty4.bmp", Mask({2, 7})},
    {"River1.bmp", Mask({3, 7})},
    {"River2.bmp", Mask({3, 7})},
    {"River9.bmp", Mask({1, 7})},
    {"River4.bmp", Mask({1, 7})},
    {"River5.bmp", Mask({3, 7})},
    {"River6.bmp", Mask({1, 3})},
    {"River7.bmp", Mask({3, 7})},
    {"River8.bmp", Mask({0, 5})},
    {"Mount1.bmp", Mask({})},
    {"Mount4.bmp", Mask({1, 6})},
    {"Mount3.bmp", Mask({3, 6})},
    {"Mount2.bmp", Mask({3, 4})},
    {"Forst4.bmp", Mask({2, 7})},
    {"Forst1.bmp", Mask({})},
    {"Forst5.bmp", Mask({0, 7})},
    {"Forst6.bmp", Mask({0, 7})},
    {"Forst3.bmp", Mask({0, 3, 4, 7})},
    {"Forst2.bmp", Mask({2, 5})},
    {"Coast4.bmp", Mask({3, 6})},
    {"Coast5.bmp", Mask({1, 6})},
    {"Road1.bmp", Mask({1, 3})},
    {"Road2.bmp", Mask({1, 5})},
    {"Road6.bmp", Mask({1, 5})},
    {"Road4.bmp", Mask({0, 4})},
    {"Field7.bmp", Mask({0, 7})},
    {"Road8.bmp", Mask({2, 5})},
    {"Road9.bmp", Mask({0, 5})},
    {"Forst7.bmp", Mask({})},
    {"Alcty5.bmp", Mask({})},
    {"Rivrnd.bmp", Mask({7})},
    {"Coast6.bmp", Mask({3, 6})},
    {"Road10.bmp", Mask({1, 3, 5})},
    {"Alcty9.bmp", Mask({0, 7})},
    {"Field6.bmp", Mask({2, 7})},
    {"Alcty7.bmp", Mask({})},
    {"Alcty8.bmp", Mask({})},
    {"CoastU1.bmp", Mask({3, 6})},
    {"CoastU2.bmp", Mask({3, 6})},
    {"CoastBR.bmp", Mask({3, 6})},
    {"RiverBR.bmp", Mask({3, 7})},
    {"Riverfork.bmp", Mask({1, 3, 7})},
    {"CoastRIV.bmp", Mask({3, 4})},
    {"RiverTR.bmp", Mask({3, 7})},
    {"CoastCty.bmp", Mask({3, 6})},
    {"CoastTBR.bmp", Mask({})},
}};

constexpr uint8_t UncataloguedMask = Mask({2, 7});

// A class as a 64-bit set of codes.
constexpr uint64_t ClassOf(std::initializer_list<int> codes) {
    uint64_t set = 0;
    for (int c : codes)
        set |= uint64_t{1} << c;
    return set;
}
constexpr uint64_t Range(int first, int last) {
    uint64_t set = 0;
    for (int c = first; c <= last; ++c)
        set |= uint64_t{1} << c;
    return set;
}

constexpr uint64_t RiverTiles = Range(14, 21) | ClassOf({43, 53, 54, 55});
constexpr uint64_t RiverEndTile = ClassOf({43});
constexpr uint64_t RoadTiles = Range(34, 37) | ClassOf({39, 40, 45});
constexpr uint64_t WaterTiles = ClassOf({2, 3, 4, 5, 32, 33, 44, 50, 51, 52, 55});
constexpr uint64_t RiverBedTiles = Range(14, 21) | ClassOf({43, 53, 54});
constexpr uint64_t RoadBedTiles = Range(34, 37) | ClassOf({39, 40, 45, 52, 53});
constexpr uint64_t CityTiles = Range(10, 13) | ClassOf({42, 46, 48, 49});
constexpr uint64_t FieldTiles = ClassOf({0, 38, 47}) | Range(6, 9);
constexpr uint64_t ForestEdgeTiles = ClassOf({26, 28, 29, 30, 31});
constexpr uint64_t CityEdgeTiles = ClassOf({11, 12, 13, 20, 46});
constexpr uint64_t CoastEdgeTiles = ClassOf({3, 4, 5, 21, 32, 33, 44, 50, 51, 52, 55, 57});
constexpr uint64_t UnfinishedFieldTiles = ClassOf({0, 38, 47});

bool InClass(uint64_t set, int code) {
    return code >= 0 && code < TileCodeCount && ((set >> code) & 1u) != 0;
}

} // namespace

const TileCatalogueEntry& CatalogueEntry(int code) {
    return Catalogue.at(code);
}

std::string_view TileFileName(int code) {
    return Catalogue.at(code).fileName;
}

std::string_view TileDisplayName(int code) {
    if (code < 0 || code >= TileCatalogueSize)
        return "blank";
    const std::string_view file = TileFileName(code);
    return file.substr(0, file.rfind('.'));
}

bool TileEdgeFlag(int code, int halfEdge) {
    const uint8_t mask = code < TileCatalogueSize ? Catalogue.at(code).edgeMask : UncataloguedMask;
    return ((mask >> (halfEdge & 7)) & 1u) != 0;
}

bool CellEdgeFlag(TileCell cell, int mapHalfEdge) {
    return TileEdgeFlag(CodeOf(cell), TileHalfEdgeOnMap(mapHalfEdge, RotationOf(cell)));
}

bool IsRiverTile(int code) {
    return InClass(RiverTiles, code);
}
bool IsRiverEndTile(int code) {
    return InClass(RiverEndTile, code);
}
bool IsRoadTile(int code) {
    return InClass(RoadTiles, code);
}
bool IsWaterTile(int code) {
    return InClass(WaterTiles, code);
}
bool IsRiverBedTile(int code) {
    return InClass(RiverBedTiles, code);
}
bool IsRoadBedTile(int code) {
    return InClass(RoadBedTiles, code);
}
bool IsCityTile(int code) {
    return InClass(CityTiles, code);
}
bool IsFieldTile(int code) {
    return InClass(FieldTiles, code);
}
bool IsForestEdgeTile(int code) {
    return InClass(ForestEdgeTiles, code);
}
bool IsCityEdgeTile(int code) {
    return InClass(CityEdgeTiles, code);
}
bool IsCoastEdgeTile(int code) {
    return InClass(CoastEdgeTiles, code);
}
bool IsUnfinishedFieldTile(int code) {
    return InClass(UnfinishedFieldTiles, code);
}

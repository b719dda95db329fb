#include "core/geodata/ShorePattern.h"

#include "core/map/MapGeometry.h"

#include <bit>

namespace {

// Masks of the unturned tiles (points: 0 top-left corner, then clockwise).
constexpr ShoreMask AllWater = 0xFF;
constexpr ShoreMask SeaSouth = 0x70;      // bottom corners and the middle between them
constexpr ShoreMask SeaWest = 0xC1;       // left corners and the middle between them
constexpr ShoreMask LandNorthWest = 0x7C; // all but the top-left corner and its two middles
constexpr ShoreMask SeaSouthEast = 0x10;  // the bottom-right corner

constexpr TileCode Water = 2;
constexpr TileCode StraightCoast = 3;
constexpr TileCode OuterCoast = 4;
constexpr TileCode InnerCoast = 5;

ShoreMask UnturnedMaskOf(TileCode code) {
    switch (code) {
    case 2:  // open water
    case 58: // a bridge over open water
        return AllWater;
    case 3:
    case 32:
    case 44:
    case 50:
    case 51:
    case 52:
    case 57: // straight shores
        return SeaSouth;
    case 21: // a river's mouth
        return SeaWest;
    case 4:
    case 33: // land jutting into the sea
        return LandNorthWest;
    case 5:
    case 55: // the sea reaching into one corner
        return SeaSouthEast;
    default:
        return 0;
    }
}

// A quarter turn clockwise moves point k to point k + 2.
constexpr ShoreMask Turned(ShoreMask mask, int rotation) {
    return std::rotl(mask, 2 * rotation);
}

constexpr bool Point(ShoreMask mask, int point) {
    return (mask >> point) & 1;
}

// The three points of a shared side, as seen from either cell: right side against the east
// neighbour's left side, bottom side against the south neighbour's top side.
bool AgreesWithEast(ShoreMask west, ShoreMask east) {
    return Point(west, 2) == Point(east, 0) && Point(west, 3) == Point(east, 7) &&
           Point(west, 4) == Point(east, 6);
}
bool AgreesWithSouth(ShoreMask north, ShoreMask south) {
    return Point(north, 6) == Point(south, 0) && Point(north, 5) == Point(south, 1) &&
           Point(north, 4) == Point(south, 2);
}

} // namespace

ShoreMask ShoreMaskOf(TileCell cell) {
    return Turned(UnturnedMaskOf(CodeOf(cell)), RotationOf(cell));
}

ShoreMask ShoreMaskOfCorners(bool topLeft, bool topRight, bool bottomRight, bool bottomLeft) {
    const bool corners[4] = {topLeft, topRight, bottomRight, bottomLeft};
    ShoreMask mask = 0;
    for (int corner = 0; corner < 4; ++corner) {
        if (corners[corner])
            mask |= static_cast<ShoreMask>(1 << (2 * corner));
        if (corners[corner] && corners[(corner + 1) % 4])
            mask |= static_cast<ShoreMask>(1 << (2 * corner + 1));
    }
    return mask;
}

std::optional<TileCell> ShoreCellFor(ShoreMask mask) {
    if (mask == 0)
        return MakeCell(0, 1);
    if (mask == AllWater)
        return MakeCell(0, Water);
    for (const TileCode code : {StraightCoast, OuterCoast, InnerCoast})
        for (int rotation = 0; rotation < 4; ++rotation)
            if (Turned(UnturnedMaskOf(code), rotation) == mask)
                return MakeCell(rotation, code);
    return std::nullopt;
}

bool CentreIsWater(ShoreMask mask) {
    return std::popcount(static_cast<unsigned>(mask & 0x55)) >= 3;
}

int CountDisagreeingPairs(std::span<const TileCell> tiles) {
    int disagreeing = 0;
    for (int row = 0; row < MapHeight; ++row)
        for (int column = 0; column < MapWidth; ++column) {
            const ShoreMask here = ShoreMaskOf(tiles[static_cast<size_t>(CellIndex(row, column))]);
            if (column + 1 < MapWidth &&
                !AgreesWithEast(
                    here, ShoreMaskOf(tiles[static_cast<size_t>(CellIndex(row, column + 1))])))
                ++disagreeing;
            if (row + 1 < MapHeight &&
                !AgreesWithSouth(
                    here, ShoreMaskOf(tiles[static_cast<size_t>(CellIndex(row + 1, column))])))
                ++disagreeing;
        }
    return disagreeing;
}

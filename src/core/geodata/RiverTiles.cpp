#include "core/geodata/RiverTiles.h"

#include <bit>

namespace {

constexpr TileCode RiverStraight = 14;
constexpr TileCode RiverBend = 16;
constexpr TileCode RiverEnd = 43;
constexpr TileCode RiverFork = 54;

} // namespace

TileCell RiverCellFor(int sides) {
    // The unturned tiles: the end leaves west, the straight piece runs west-east, the bend
    // joins north and west, the fork leaves north, east and west.
    static constexpr int EndSide[4] = {WestSide, NorthSide, EastSide, SouthSide};
    static constexpr int BendSides[4] = {NorthSide | WestSide, NorthSide | EastSide,
                                         SouthSide | EastSide, SouthSide | WestSide};
    static constexpr int ForkMissing[4] = {SouthSide, WestSide, NorthSide, EastSide};
    const int count = std::popcount(static_cast<unsigned>(sides));
    for (int rotation = 0; rotation < 4; ++rotation) {
        if (count == 1 && sides == EndSide[rotation])
            return MakeCell(rotation, RiverEnd);
        if (count == 2 && sides == BendSides[rotation])
            return MakeCell(rotation, RiverBend);
        if (count == 3 && (sides | ForkMissing[rotation]) == 15)
            return MakeCell(rotation, RiverFork);
    }
    if (sides == (WestSide | EastSide))
        return MakeCell(0, RiverStraight);
    if (sides == (NorthSide | SouthSide))
        return MakeCell(1, RiverStraight);
    if (count == 4)
        return MakeCell(0, RiverFork);
    return MakeCell(0, RiverEnd);
}

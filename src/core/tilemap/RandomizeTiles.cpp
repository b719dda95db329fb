#include "core/tilemap/TileUtilities.h"
#include "core/tilemap/TileUtilityRules.h"

using namespace tile_utilities;

namespace {

// One of two codes by one draw: 0 gives `onZero`, 1 gives `onOne`.
TileCode PickOfTwo(ClassicRandom& random, TileCode onZero, TileCode onOne) {
    return random.Next() % 2 == 0 ? onZero : onOne;
}

// Turns the cell half way round or not, by one draw.
int MaybeHalfTurn(ClassicRandom& random, int rotation) {
    return (rotation + 2 * (random.Next() % 2)) % 4;
}

TileCell RandomizedCell(TileCell cell, ClassicRandom& random) {
    int rotation = RotationOf(cell);
    switch (CodeOf(cell)) {
    case 1:
    case 2:
    case 22:
    case 27:
        return MakeCell(random.Next() % 4, CodeOf(cell));
    case 3:
    case 32:
    case 44: {
        static constexpr TileCode Coasts[3] = {44, 32, 3};
        return MakeCell(rotation, Coasts[random.Next() % 3]);
    }
    case 4:
    case 33:
        return MakeCell(rotation, PickOfTwo(random, 4, 33));
    case 6:
    case 7:
    case 9:
        return RandomFieldCell(random);
    case 14:
    case 15:
        rotation = MaybeHalfTurn(random, rotation);
        return MakeCell(rotation, PickOfTwo(random, 15, 14));
    case 28:
    case 29:
        return MakeCell(rotation, PickOfTwo(random, 29, 28));
    case 35:
    case 36:
        rotation = MaybeHalfTurn(random, rotation);
        return MakeCell(rotation, PickOfTwo(random, 36, 35));
    case 37:
        return MakeCell(MaybeHalfTurn(random, rotation), 37);
    default:
        return cell;
    }
}

} // namespace

void RandomizeTiles(TileMap& tiles, ClassicRandom& random) {
    if (!tiles.HasTileMap())
        return;
    for (TileCell& cell : tiles.Cells())
        cell = RandomizedCell(cell, random);
}

#include "core/tilemap/TileUtilities.h"
#include "core/tilemap/TileUtilityRules.h"

using namespace tile_utilities;

namespace {

// Grass next to a plain field becomes a random field cell with a chance of 75 in 100.
void MaybeGrowField(TileMap& tiles, ClassicRandom& random, int index, int first, int second) {
    if (CodeOf(tiles.At(index)) != GrassCode)
        return;
    if (!IsPlainFieldTile(CodeOf(tiles.At(index + first))) &&
        !IsPlainFieldTile(CodeOf(tiles.At(index + second))))
        return;
    if (random.Next() % 100 < 75)
        tiles.Set(index, RandomFieldCell(random));
}

} // namespace

void ExpandFields(TileMap& tiles, ClassicRandom& random) {
    if (!tiles.HasTileMap())
        return;
    // Forward: fields spread west and north (a cell looks east and south).
    for (int index = 0; index < MapCellCount; ++index) {
        const int column = index % MapWidth;
        const int row = index / MapWidth;
        if (column <= MapWidth - 2 && row <= MapHeight - 2)
            MaybeGrowField(tiles, random, index, East, South);
    }
    // Backward: fields spread east and south (a cell looks west and north). Row 1 is left
    // out, as the rule has always been.
    for (int index = MapCellCount - 1; index >= 1; --index) {
        const int column = index % MapWidth;
        const int row = index / MapWidth;
        if (column >= 1 && row >= 2)
            MaybeGrowField(tiles, random, index, West, North);
    }
}

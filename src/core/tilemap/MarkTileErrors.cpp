#include "core/tilemap/TileUtilities.h"
#include "core/tilemap/TileUtilityRules.h"

using namespace tile_utilities;

namespace {

constexpr uint16_t ForestOrFieldMark = 65535;
constexpr uint16_t TownOrShoreMark = 65500;

// The neighbour across map half-edge j: N for 0-1, E for 2-3, S for 4-5, W for 6-7.
int NeighbourAcross(int index, int halfEdge) {
    static constexpr int Offsets[4] = {North, East, South, West};
    return index + Offsets[halfEdge / 2];
}

// The neighbour's half-edge that touches map half-edge j (0 faces 5, 1 faces 4, ...).
constexpr int FacingHalfEdge(int halfEdge) {
    return (halfEdge % 2 == 0 ? halfEdge + 5 : halfEdge + 3) % 8;
}

// True when every half-edge that the cell's feature reaches is met by a neighbour of the
// same class whose feature reaches the facing half-edge.
bool EdgesContinue(const TileMap& tiles, int index, bool (*inClass)(int)) {
    const TileCell cell = tiles.At(index);
    for (int j = 0; j < 8; ++j) {
        if (!CellEdgeFlag(cell, j))
            continue;
        const TileCell neighbour = tiles.At(NeighbourAcross(index, j));
        if (!inClass(CodeOf(neighbour)) || !CellEdgeFlag(neighbour, FacingHalfEdge(j)))
            return false;
    }
    return true;
}

} // namespace

bool MarkTileErrors(const TileMap& tiles, HeightMap& heights) {
    if (!tiles.HasTileMap())
        return true;
    if (!heights.HasHeightMap())
        return false;
    ForEachInteriorCell([&](int i) {
        const int code = CodeOf(tiles.At(i));
        if (IsForestEdgeTile(code) && !EdgesContinue(tiles, i, IsForestEdgeTile))
            heights.Set(i, ForestOrFieldMark);
        if (IsUnfinishedFieldTile(code))
            heights.Set(i, ForestOrFieldMark);
        if (IsCityEdgeTile(code) && !EdgesContinue(tiles, i, IsCityEdgeTile))
            heights.Set(i, TownOrShoreMark);
        if (IsCoastEdgeTile(code) && !EdgesContinue(tiles, i, IsCoastEdgeTile))
            heights.Set(i, TownOrShoreMark);
    });
    return true;
}

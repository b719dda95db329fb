#include "core/tilemap/TileUtilities.h"
#include "core/tilemap/TileUtilityRules.h"

using namespace tile_utilities;

namespace {

constexpr TileCode TownCodeOdd = 48;  // "Alcty7.bmp"
constexpr TileCode TownCodeEven = 49; // "Alcty8.bmp"

// The eight neighbours of a cell as solid (true) or open ground.
struct SolidNeighbours {
    bool n, s, e, w, nw, ne, sw, se;
};

bool IsSolidAt(const TileMap& tiles, int index) {
    return !IsOpenGroundTile(CodeOf(tiles.At(index)));
}

SolidNeighbours SolidAround(const TileMap& tiles, int i) {
    return {IsSolidAt(tiles, i + North),     IsSolidAt(tiles, i + South),
            IsSolidAt(tiles, i + East),      IsSolidAt(tiles, i + West),
            IsSolidAt(tiles, i + NorthWest), IsSolidAt(tiles, i + NorthEast),
            IsSolidAt(tiles, i + SouthWest), IsSolidAt(tiles, i + SouthEast)};
}

bool IsGrassAt(const TileMap& tiles, int index) {
    return CodeOf(tiles.At(index)) == GrassCode;
}

void PlaceShoreFieldsAndTowns(TileMap& tiles, ClassicRandom& random) {
    int townCounter = 0;
    ForEachInteriorCell([&](int i) {
        if (!IsGrassAt(tiles, i))
            return;
        const auto shoreAt = [&](int offset) { return IsShoreTile(CodeOf(tiles.At(i + offset))); };
        if (!shoreAt(East) && !shoreAt(West) && !shoreAt(South) && !shoreAt(North))
            return;
        const int r = random.Next();
        if (r < 10000) {
            tiles.Set(i, RandomFieldCell(random));
        } else if (r > 27000) {
            townCounter = (townCounter + 1) % 2;
            const int rotation = random.Next() % 4;
            tiles.Set(i, MakeCell(rotation, townCounter == 1 ? TownCodeOdd : TownCodeEven));
        }
    });
}

// Grass pinched between solid ground, where no transition tile fits.
bool IsSqueezed(const SolidNeighbours& s) {
    if ((s.n && s.s) || (s.e && s.w))
        return true;
    const bool anySideOpen = !s.n || !s.e || !s.s || !s.w;
    return (s.n && s.sw && !s.w) || (s.n && s.se && !s.e) || (s.s && s.nw && !s.w) ||
           (s.s && s.ne && !s.e) || (s.e && s.nw && !s.n) || (s.e && s.sw && !s.s) ||
           (s.w && s.se && !s.s) || (s.w && s.ne && !s.n) || (s.nw && s.se && anySideOpen) ||
           (s.ne && s.sw && anySideOpen);
}

void FillSqueezedGrass(TileMap& tiles, ClassicRandom& random) {
    bool changed = true;
    while (changed) {
        changed = false;
        ForEachInteriorCell([&](int i) {
            if (IsGrassAt(tiles, i) && IsSqueezed(SolidAround(tiles, i))) {
                tiles.Set(i, RandomFieldCell(random));
                changed = true;
            }
        });
    }
}

// Rotation of the corner tile for two solid sides; an opposite pair gives 0.
int CornerRotation(const SolidNeighbours& s) {
    if (s.n && s.w)
        return 0;
    if (s.n && s.e)
        return 1;
    if (s.s && s.e)
        return 2;
    if (s.s && s.w)
        return 3;
    return 0;
}

// Rotation of the edge tile for its one solid side.
int EdgeRotation(const SolidNeighbours& s) {
    if (s.n)
        return 0;
    if (s.e)
        return 1;
    if (s.s)
        return 2;
    return 3;
}

void PlaceEdgesAndCorners(TileMap& tiles, ClassicRandom& random) {
    ForEachInteriorCell([&](int i) {
        if (!IsGrassAt(tiles, i))
            return;
        const SolidNeighbours s = SolidAround(tiles, i);
        switch (int{s.e} + int{s.w} + int{s.n} + int{s.s}) {
        case 0:
            break;
        case 1:
            tiles.Set(i, MakeCell(EdgeRotation(s), EdgeCode));
            break;
        case 2:
            tiles.Set(i, MakeCell(CornerRotation(s), CornerCode));
            break;
        default:
            tiles.Set(i, RandomFieldCell(random));
            break;
        }
    });
}

// A corner tile, or an edge tile whose rotation has the given parity (even: its solid side
// faces north or south, so it continues an east or west neighbour's border).
bool ContinuesBorder(TileCell cell, int parity) {
    return CodeOf(cell) == CornerCode ||
           (CodeOf(cell) == EdgeCode && RotationOf(cell) % 2 == parity);
}

void PlaceInnerCorners(TileMap& tiles) {
    ForEachInteriorCell([&](int i) {
        if (!IsGrassAt(tiles, i))
            return;
        const bool e = ContinuesBorder(tiles.At(i + East), 0);
        const bool w = ContinuesBorder(tiles.At(i + West), 0);
        const bool n = ContinuesBorder(tiles.At(i + North), 1);
        const bool s = ContinuesBorder(tiles.At(i + South), 1);
        if (!(e || w) || !(n || s))
            return;
        const SolidNeighbours matches{n, s, e, w, false, false, false, false};
        tiles.Set(i, MakeCell(CornerRotation(matches), InnerCornerCode));
    });
}

} // namespace

void FieldTransitions(TileMap& tiles, ClassicRandom& random) {
    if (!tiles.HasTileMap())
        return;
    PlaceShoreFieldsAndTowns(tiles, random);
    FillSqueezedGrass(tiles, random);
    PlaceEdgesAndCorners(tiles, random);
    PlaceInnerCorners(tiles);
}

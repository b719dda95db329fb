#include "core/tilemap/JoinRiverAt.h"

namespace {
constexpr TileCode RiverEndCode = 43;

struct JoinedCell {
    int code;
    int rotation;
};

// How a painted river end joins one neighbouring river end. The neighbour's new cell
// depends on its rotation; for rotation 0 it also depends on whether a river lies at the
// test cell (offsets from the painted cell).
struct RiverJoinRule {
    int dRow, dColumn;   // the neighbour
    int paintedRotation; // the painted cell's new rotation (code stays 43)
    int testDRow, testDColumn;
    JoinedCell rotation0WithRiver, rotation0WithoutRiver;
    JoinedCell otherRotations[3]; // for the neighbour's rotation 1, 2, 3
};

// Tested in this order; the first neighbour holding a river end is joined.
constexpr RiverJoinRule RiverJoinRules[4] = {
    // above
    {-1, 0, 1, -1, -1, {16, 3}, {43, 3}, {{14, 1}, {16, 2}, {14, 1}}},
    // below
    {1, 0, 3, 1, -1, {16, 0}, {43, 1}, {{14, 1}, {16, 1}, {14, 1}}},
    // right
    {0, 1, 2, 0, 2, {15, 0}, {43, 0}, {{16, 0}, {14, 0}, {16, 3}}},
    // left
    {0, -1, 0, 0, -2, {15, 0}, {43, 2}, {{16, 1}, {16, 2}, {16, 2}}},
};
} // namespace

void JoinRiverAt(TileMap& tiles, int row, int column) {
    if (!tiles.HasTileMap() || !IsInsideMap(row, column))
        return;
    for (const RiverJoinRule& rule : RiverJoinRules) {
        const int neighbourRow = row + rule.dRow;
        const int neighbourColumn = column + rule.dColumn;
        if (!tiles.IsRiverEndAt(neighbourRow, neighbourColumn))
            continue;
        const int rotation = RotationOf(tiles.At(neighbourRow, neighbourColumn));
        JoinedCell joined;
        if (rotation == 0)
            joined = tiles.IsRiverAt(row + rule.testDRow, column + rule.testDColumn)
                         ? rule.rotation0WithRiver
                         : rule.rotation0WithoutRiver;
        else
            joined = rule.otherRotations[rotation - 1];
        tiles.Set(row, column, MakeCell(rule.paintedRotation, RiverEndCode));
        tiles.Set(neighbourRow, neighbourColumn, MakeCell(joined.rotation, joined.code));
        return;
    }
}

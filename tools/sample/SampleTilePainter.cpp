#include "SampleTilePainter.h"

#include "core/geodata/GeoGrid.h"
#include "core/geodata/PatchNoise.h"
#include "core/geodata/RiverTiles.h"
#include "core/tilemap/MapGeometry.h"

#include <array>
#include <bit>

namespace {

using namespace sample_tiles;

// Directions as bits, in the order of the rotations of the straight shore and the river end.
constexpr int South = SouthSide, West = WestSide, North = NorthSide, East = EastSide;
constexpr std::array<int, 4> SideBits = {South, West, North, East};
constexpr int RowStep(int side) {
    return side == South ? 1 : side == North ? -1 : 0;
}
constexpr int ColumnStep(int side) {
    return side == East ? 1 : side == West ? -1 : 0;
}

// Metres of the elevation source that a 16-bit height stands for.
int MetresOf(uint16_t height) {
    return height * 4110 / 65535;
}

class Painter {
  public:
    Painter(const HeightMap& heights, const std::vector<uint8_t>& rivers, ClassicRandom& random)
        : heights_(heights), rivers_(rivers), random_(random), forest_(random, 9),
          farmland_(random, 7), tiles_(MapCellCount, Grass) {}

    std::vector<TileCell> Paint(const std::vector<TargetArea>& towns) {
        for (int row = 0; row < MapHeight; ++row)
            for (int column = 0; column < MapWidth; ++column)
                Set(row, column, GroundAt(row, column));
        for (int row = 0; row < MapHeight; ++row)
            for (int column = 0; column < MapWidth; ++column)
                if (!IsSea(row, column))
                    PaintShore(row, column);
        for (int row = 0; row < MapHeight; ++row)
            for (int column = 0; column < MapWidth; ++column)
                if (IsRiver(row, column))
                    PaintRiver(row, column);
        for (const TargetArea& town : towns)
            PaintTown(town);
        return tiles_;
    }

  private:
    bool IsSea(int row, int column) const {
        return IsInsideMap(row, column) && heights_.At(CellIndex(row, column)) == 0;
    }
    bool IsRiver(int row, int column) const {
        return IsInsideMap(row, column) && rivers_[static_cast<size_t>(CellIndex(row, column))] &&
               !IsSea(row, column);
    }
    void Set(int row, int column, TileCell cell) {
        tiles_[static_cast<size_t>(CellIndex(row, column))] = cell;
    }

    TileCell GroundAt(int row, int column) {
        if (IsSea(row, column))
            return Water;
        const int metres = MetresOf(heights_.At(CellIndex(row, column)));
        const int forest = forest_.At(row, column);
        if (metres >= 1900)
            return Mountain;
        if (metres >= 1300)
            return forest < 450 ? Mountain : Forest;
        // Uplands are wooded more often than the plains.
        if (forest > 690 - metres / 4)
            return Forest;
        if (metres < 600 && farmland_.At(row, column) > 440) {
            static constexpr TileCode Fields[3] = {6, 7, 9};
            return Fields[random_.Next() % 3];
        }
        return Grass;
    }

    int SeaSides(int row, int column) const {
        int sides = 0;
        for (const int side : SideBits)
            if (IsSea(row + RowStep(side), column + ColumnStep(side)))
                sides |= side;
        return sides;
    }

    // Shores are turned so that their water faces the sea: the straight shore has the sea
    // south when unturned, the corners the sea south-east; each quarter turn moves it on by
    // one side clockwise (south, west, north, east).
    void PaintShore(int row, int column) {
        const int sides = SeaSides(row, column);
        for (int rotation = 0; rotation < 4; ++rotation) {
            const int side = SideBits[static_cast<size_t>(rotation)];
            const int next = SideBits[static_cast<size_t>((rotation + 3) % 4)];
            if (sides == (side | next)) {
                Set(row, column, MakeCell(rotation, CoastOuterCorner));
                return;
            }
        }
        for (int rotation = 0; rotation < 4; ++rotation)
            if (sides & SideBits[static_cast<size_t>(rotation)]) {
                Set(row, column, MakeCell(rotation, Coast));
                return;
            }
        // Sea only across a corner: the rotation names the corner clockwise from south-east.
        static constexpr int Diagonals[4][2] = {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}};
        for (int rotation = 0; rotation < 4; ++rotation)
            if (IsSea(row + Diagonals[rotation][0], column + Diagonals[rotation][1])) {
                Set(row, column, MakeCell(rotation, CoastInnerCorner));
                return;
            }
    }

    // River tiles by the sides through which the river leaves the cell: its river neighbours,
    // and the sea for a mouth that has only one river neighbour.
    void PaintRiver(int row, int column) {
        int sides = 0;
        for (const int side : SideBits)
            if (IsRiver(row + RowStep(side), column + ColumnStep(side)))
                sides |= side;
        const int seaSides = SeaSides(row, column);
        if (std::popcount(static_cast<unsigned>(sides)) == 1 && seaSides != 0) {
            // Flow straight on into the sea when possible, else into the first sea side.
            const int opposite =
                ((sides & (South | North)) ? (South | North) : (West | East)) & ~sides;
            sides |= (seaSides & opposite) ? opposite : (seaSides & -seaSides);
        }
        Set(row, column, RiverCellFor(sides));
    }

    // A town: the centre tile on the area's cell and a ring of town blocks on the land around.
    void PaintTown(const TargetArea& town) {
        int row = 0, column = 0;
        if (!CellOfWorldPoint(town.x, town.y, row, column) || IsSea(row, column))
            return;
        static constexpr TileCode Blocks[4] = {10, 42, 48, 49};
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                const int r = row + dr, c = column + dc;
                if (!IsInsideMap(r, c) || IsSea(r, c) || IsRiver(r, c) || SeaSides(r, c) != 0)
                    continue;
                const TileCode code =
                    (dr == 0 && dc == 0) ? TownCentre : Blocks[random_.Next() % 4];
                Set(r, c, MakeCell(random_.Next() % 4, code));
            }
    }

    const HeightMap& heights_;
    const std::vector<uint8_t>& rivers_;
    ClassicRandom& random_;
    PatchNoise forest_;
    PatchNoise farmland_;
    std::vector<TileCell> tiles_;
};

} // namespace

std::vector<TileCell> PaintSampleTiles(const HeightMap& heights, const std::vector<uint8_t>& rivers,
                                       const std::vector<TargetArea>& towns,
                                       ClassicRandom& random) {
    return Painter(heights, rivers, random).Paint(towns);
}

#include "core/geodata/GeodataPainter.h"

#include "core/geodata/PatchNoise.h"
#include "core/geodata/RiverTiles.h"
#include "core/height/DemWindowConversion.h"
#include "core/height/ElevationRule.h"
#include "core/map/MapGeometry.h"

#include <bit>

namespace {

constexpr TileCode Grass = 1;
constexpr TileCode StraightCoast = 3;
constexpr TileCode InnerCoast = 5;
constexpr TileCode RiverMouth = 21; // the straight shore with a river from the land side
constexpr TileCode CoastRiver = 55; // the inner corner with a river from one side
constexpr TileCode TownCentre = 10;
constexpr TileCode CoastTown = 57; // the straight shore with a harbour town
constexpr TileCode Mountain = 22;
constexpr TileCode Forest = 27;
constexpr TileCode TownBlocks[4] = {10, 42, 48, 49};

constexpr int MountainMetres = 1900;
constexpr int HighlandMetres = 1300;
constexpr int FarmlandBelowMetres = 600;

// Sides numbered clockwise from north, so that a quarter turn adds one.
constexpr int RowStep[4] = {-1, 0, 1, 0};
constexpr int ColumnStep[4] = {0, 1, 0, -1};
constexpr int SideBit[4] = {NorthSide, EastSide, SouthSide, WestSide};

TileCell RandomFieldCell(ClassicRandom& random) {
    static constexpr TileCode Fields[3] = {6, 7, 9};
    const int rotation = random.Next() % 4;
    return MakeCell(rotation, Fields[random.Next() % 3]);
}

class Painter {
  public:
    Painter(const GeodataPaintInput& input, ClassicRandom& random)
        : in_(input), random_(random), forest_(random, 9), farmland_(random, 7),
          tiles_(MapCellCount, Grass) {}

    PaintedTiles Paint() {
        for (int row = 0; row < MapHeight; ++row)
            for (int column = 0; column < MapWidth; ++column) {
                const ShoreMask mask = in_.coast.MaskAt(row, column);
                Set(row, column, mask == 0 ? GroundAt(row, column) : ShoreCellFor(mask).value());
            }
        for (int row = 0; row < MapHeight; ++row)
            for (int column = 0; column < MapWidth; ++column)
                if (IsRiver(row, column))
                    PaintRiver(row, column);
        PaintedTiles painted;
        for (const TargetArea& town : in_.towns)
            painted.towns += PaintTown(town) ? 1 : 0;
        painted.tiles = std::move(tiles_);
        return painted;
    }

  private:
    size_t Index(int row, int column) const { return static_cast<size_t>(CellIndex(row, column)); }
    TileCell At(int row, int column) const { return tiles_[Index(row, column)]; }
    void Set(int row, int column, TileCell cell) { tiles_[Index(row, column)] = cell; }
    bool IsLand(int row, int column) const {
        return IsInsideMap(row, column) && in_.coast.MaskAt(row, column) == 0;
    }
    bool IsRiver(int row, int column) const {
        return IsInsideMap(row, column) && in_.rivers[Index(row, column)] != 0;
    }

    TileCell GroundAt(int row, int column) {
        const double metres = MetresOfHeight(in_.heights[Index(row, column)], DemFullScale);
        const CoverClass cover =
            in_.cover.empty() ? CoverClass::None : in_.cover[Index(row, column)];
        const int forest = forest_.At(row, column);
        if (cover == CoverClass::Mountain || metres >= MountainMetres)
            return Mountain;
        if (metres >= HighlandMetres)
            return forest < 450 ? Mountain : Forest;
        switch (cover) {
        case CoverClass::Forest:
            return Forest;
        case CoverClass::Town:
            return MakeCell(random_.Next() % 4, TownBlocks[random_.Next() % 4]);
        case CoverClass::Field:
            return RandomFieldCell(random_);
        default:
            break;
        }
        if (!in_.cover.empty())
            return Grass;
        // Without land cover: uplands are wooded more often than the plains.
        if (forest > 690 - static_cast<int>(metres) / 4)
            return Forest;
        if (metres < FarmlandBelowMetres && farmland_.At(row, column) > 440)
            return RandomFieldCell(random_);
        return Grass;
    }

    // The side of a coast cell through which a river can come in from the land, or -1.
    int MouthSide(int row, int column) const {
        const TileCell cell = At(row, column);
        const int rotation = RotationOf(cell);
        if (CodeOf(cell) == StraightCoast)
            return rotation; // the land side, opposite the sea
        if (CodeOf(cell) == InnerCoast)
            return (3 + rotation) % 4;
        return -1;
    }

    void PaintRiver(int row, int column) {
        int sides = 0;
        for (int side = 0; side < 4; ++side)
            if (IsRiver(row + RowStep[side], column + ColumnStep[side]))
                sides |= SideBit[side];
        if (std::popcount(static_cast<unsigned>(sides)) <= 1) {
            // A river end next to the shore flows into the sea, straight on when it can.
            int from = 0;
            while (from < 4 && SideBit[from] != sides)
                ++from;
            for (int turn : {2, 1, 3, 0}) {
                const int side = (from + turn) % 4;
                const int r = row + RowStep[side], c = column + ColumnStep[side];
                if (IsInsideMap(r, c) && !IsRiver(r, c) && MouthSide(r, c) == (side + 2) % 4) {
                    const TileCell coast = At(r, c);
                    Set(r, c,
                        CodeOf(coast) == StraightCoast ? MakeCell(RotationOf(coast) + 3, RiverMouth)
                                                       : MakeCell(RotationOf(coast), CoastRiver));
                    sides |= SideBit[side];
                    break;
                }
            }
        }
        Set(row, column, RiverCellFor(sides));
    }

    // A town: the centre tile on the city's cell and town blocks on the land around it; a
    // city on a straight shore gets the harbour town.
    bool PaintTown(const TargetArea& town) {
        int row = 0, column = 0;
        if (!CellOfWorldPoint(town.x, town.y, row, column) || IsRiver(row, column))
            return false;
        if (CodeOf(At(row, column)) == StraightCoast) {
            Set(row, column, MakeCell(RotationOf(At(row, column)), CoastTown));
            return true;
        }
        if (!IsLand(row, column))
            return false;
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                const int r = row + dr, c = column + dc;
                if (!IsLand(r, c) || IsRiver(r, c))
                    continue;
                const TileCode code =
                    (dr == 0 && dc == 0) ? TownCentre : TownBlocks[random_.Next() % 4];
                Set(r, c, MakeCell(random_.Next() % 4, code));
            }
        return true;
    }

    const GeodataPaintInput& in_;
    ClassicRandom& random_;
    PatchNoise forest_;
    PatchNoise farmland_;
    std::vector<TileCell> tiles_;
};

} // namespace

PaintedTiles PaintGeodataTiles(const GeodataPaintInput& input, ClassicRandom& random) {
    return Painter(input, random).Paint();
}

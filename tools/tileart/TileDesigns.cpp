#include "TileDesigns.h"

#include "ArtPalette.h"
#include "Noise.h"
#include "TerrainPainters.h"

#include <cmath>
#include <functional>
#include <map>

namespace {

constexpr int Size = 64;

// Regions of the unturned tile. Each border meets the sides at the half-edges named in its
// comment (a region's border crosses a half-edge 8 pixels from the middle of its side).
constexpr auto Everywhere = [](double, double) { return true; };
// Half-edges 2, 7.
constexpr auto SouthOf24 = [](double, double y) { return y > 24; };
// Half-edges 3, 6.
constexpr auto NorthOf40 = [](double, double y) { return y < 40; };
// Half-edges 3, 6.
constexpr auto SouthOf40 = [](double, double y) { return y > 40; };
// Half-edges 0, 7.
constexpr auto PastNorthWestCut = [](double x, double y) { return x + y > 24; };
// Half-edges 2, 5.
constexpr auto InSouthEastCorner = [](double x, double y) { return x + y > 88; };
// Half-edges 0, 3.
constexpr auto InNorthEastCorner = [](double x, double y) { return y < x - 24; };
// Half-edges 0, 3, 4, 7.
constexpr auto DiagonalBand = [](double x, double y) { return x + y > 24 && x + y < 104; };
// Half-edges 3, 4.
constexpr auto PastSouthEastCut = [](double x, double y) { return x + y > 104; };
// Half-edges 3, 4.
constexpr auto BeforeSouthEastCut = [](double x, double y) { return x + y < 104; };
// Half-edges 1, 6.
constexpr auto PastNorthWestDiagonal = [](double x, double y) { return x + y > 40; };
// Half-edges 1, 6.
constexpr auto BeforeNorthWestDiagonal = [](double x, double y) { return x + y < 40; };
// Half-edges 0, 5.
constexpr auto WestOf24 = [](double x, double) { return x < 24; };

TileCanvas Grassland(uint32_t seed) {
    TileCanvas canvas(Size);
    PaintGrass(canvas, seed);
    return canvas;
}

TileCanvas Field(FieldKind kind, uint32_t seed) {
    TileCanvas canvas(Size);
    PaintField(canvas, Everywhere, kind, seed, true);
    return canvas;
}

TileCanvas FieldTransition(const Region& field, uint32_t seed) {
    TileCanvas canvas = Grassland(seed);
    PaintField(canvas, field, FieldKind::Wheat, seed + 1, false);
    PaintHedgeAround(canvas, field);
    return canvas;
}

TileCanvas Sea(const Region& water, uint32_t seed, bool cliffs = false) {
    TileCanvas canvas = Grassland(seed);
    PaintSea(canvas, water, seed + 1, cliffs);
    return canvas;
}

TileCanvas Forest(const Region& region, uint32_t seed, bool conifers = false) {
    TileCanvas canvas = Grassland(seed);
    PaintForest(canvas, region, seed + 1, conifers);
    return canvas;
}

TileCanvas Town(const Region& region, uint32_t seed, TownKind kind = TownKind::Blocks) {
    TileCanvas canvas = Grassland(seed);
    PaintTown(canvas, region, seed + 1, kind);
    PaintHedgeAround(canvas, region);
    return canvas;
}

TileCanvas Mountains(const Region& region, uint32_t seed) {
    TileCanvas canvas = Grassland(seed);
    PaintMountains(canvas, region, seed + 1);
    return canvas;
}

TileCanvas River(const CentreLine& line, uint32_t seed) {
    TileCanvas canvas = Grassland(seed);
    PaintRiver(canvas, line, seed + 1);
    return canvas;
}

TileCanvas Road(const CentreLine& line, uint32_t seed) {
    TileCanvas canvas = Grassland(seed);
    PaintRoad(canvas, line, seed + 1);
    return canvas;
}

// A river around an island of grass in the middle of the tile.
TileCanvas RiverWithIsland(uint32_t seed) {
    TileCanvas canvas = River(WestEast(0), seed);
    const auto island = [](double x, double y) {
        return std::pow((x - 32) / 9.0, 2) + std::pow((y - 32) / 2.6, 2) < 1;
    };
    canvas.Fill(island, [&](int x, int y) { return Shade(bands::Grass, 0.5 + 0.3 * Unit(x, y)); });
    return canvas;
}

// A bend with a sandbank on its inner bank.
TileCanvas RiverBendWithSandbank(uint32_t seed) {
    TileCanvas canvas = River(CornerArc(0, 0), seed);
    canvas.Fill(
        [](double x, double y) {
            const double r = std::hypot(x, y);
            return r > 27 && r < 30 && std::abs(std::atan2(y, x) - 0.785) < 0.35;
        },
        [](int x, int y) { return Shade(bands::Sand, 0.55 + 0.2 * Unit(x, y, 8)); });
    return canvas;
}

// A river end: the river comes in from the west side and rises in a pond.
TileCanvas RiverSpring(uint32_t seed) {
    TileCanvas canvas = River(Segment({-4, 32}, {30, 32}), seed);
    PaintPond(canvas, 36, 32, 8, seed + 2);
    return canvas;
}

// A river bordering a town on its north bank.
TileCanvas RiverTown(uint32_t seed) {
    TileCanvas canvas = Grassland(seed);
    const auto town = [](double x, double y) { return y < 24 + x / 4; };
    PaintTown(canvas, town, seed + 1, TownKind::Blocks);
    PaintRiver(canvas, WestEast(0), seed + 2);
    // Quays: the town's side of the river is paved where the town reaches it.
    canvas.Fill([&](double x, double y) { return town(x, y) && canvas.At(int(x), int(y)) >= 248; },
                [](int x, int y) { return Shade(bands::Wall, 0.6 + 0.1 * Unit(x, y, 5)); });
    return canvas;
}

// The river's mouth on a coast: sea to the west of the shore, the river from the east.
TileCanvas RiverMouth(uint32_t seed) {
    TileCanvas canvas = River(Segment({18, 32}, {68, 32}), seed);
    PaintSea(canvas, WestOf24, seed + 1, false);
    return canvas;
}

// A river from the west side into the sea of the south-east corner.
TileCanvas CoastRiver(uint32_t seed) {
    TileCanvas canvas = River(Curve({-4, 32}, {40, 30}, {62, 62}), seed);
    PaintSea(canvas, PastSouthEastCut, seed + 1, false);
    return canvas;
}

TileCanvas RiverBridge(uint32_t seed) {
    TileCanvas canvas = River(WestEast(0), seed);
    const CentreLine road = NorthSouth(0);
    PaintRoad(canvas, road, seed + 2);
    PaintBridge(canvas, road,
                [](double x, double y) { return WestEast(0)(x, y) < RiverHalfWidth + 1.3; });
    return canvas;
}

// A river with clumps of trees on its banks, clear of the tile's sides.
TileCanvas RiverTrees(uint32_t seed) {
    TileCanvas canvas = River(WestEast(3), seed);
    const auto clumps = [](double x, double y) {
        return std::hypot(x - 14, y - 16) < 7 || std::hypot(x - 46, y - 50) < 8 ||
               std::hypot(x - 50, y - 15) < 5;
    };
    PaintForest(canvas, clumps, seed + 3, false);
    return canvas;
}

TileCanvas CoastBridge(uint32_t seed) {
    TileCanvas canvas = Sea(SouthOf40, seed);
    const CentreLine road = NorthSouth(0);
    PaintRoad(canvas, road, seed + 2);
    PaintBridge(canvas, road, SouthOf40);
    return canvas;
}

TileCanvas OpenWaterBridge(uint32_t seed) {
    TileCanvas canvas = Sea(Everywhere, seed);
    PaintBridge(canvas, NorthSouth(0), Everywhere);
    return canvas;
}

// A harbour town on the land above the shore, with a pier.
TileCanvas CoastTown(uint32_t seed) {
    TileCanvas canvas = Sea(SouthOf40, seed);
    const auto town = [](double x, double y) {
        return x > 6 && x < 58 && y > 5 && y < 35 && std::hypot(x - 32, y - 20) < 29;
    };
    PaintTown(canvas, town, seed + 1, TownKind::Blocks);
    canvas.Fill([](double x, double y) { return x > 40 && x < 44 && y >= 35 && y < 54; },
                [](int x, int y) { return Shade(bands::Bridge, x == 43 || y == 53 ? 0.1 : 0.7); });
    return canvas;
}

// A few houses on a lane, clear of the tile's sides.
TileCanvas Village(uint32_t seed, bool crossroads) {
    TileCanvas canvas = Grassland(seed);
    const Region lane = [crossroads](double x, double y) {
        if (crossroads)
            return (std::abs(y - 33) < 2 && x > 10 && x < 54) ||
                   (std::abs(x - 31) < 2 && y > 12 && y < 52);
        return std::abs(y - (20 + x * 0.4)) < 1.6 && x > 8 && x < 56;
    };
    canvas.Fill(lane, [](int x, int y) { return Shade(bands::Wall, 0.5 + 0.1 * Unit(x, y, 2)); });
    const int houses[][4] = {
        {14, 22, 9, 7}, {36, 20, 8, 9}, {17, 39, 8, 8}, {36, 38, 10, 7}, {46, 28, 6, 6}};
    const int offset = crossroads ? 0 : 3;
    for (int i = 0; i < 5; ++i) {
        if (!crossroads && i == 4)
            continue;
        PaintHouse(canvas, houses[i][0] + (i % 2 ? offset : -offset), houses[i][1] + offset,
                   houses[i][2], houses[i][3], Hash(seed, i));
    }
    return canvas;
}

TileCanvas RoadWithTrees(uint32_t seed) {
    TileCanvas canvas = Road(NorthSouth(0), seed);
    const auto trees = [](double x, double y) {
        const double row = std::fmod(y + 64, 16.0);
        return (std::hypot(x - 22, row - 8) < 3.2 || std::hypot(x - 42, row - 8) < 3.2) && y > 3 &&
               y < 61;
    };
    PaintForest(canvas, trees, seed + 4, false);
    return canvas;
}

TileCanvas RoadThroughFields(uint32_t seed) {
    TileCanvas canvas(Size);
    PaintField(
        canvas, [](double x, double) { return x < 30; }, FieldKind::Crop, seed, false);
    PaintField(
        canvas, [](double x, double) { return x >= 30; }, FieldKind::Wheat, seed + 1, false);
    // Grass along the sides keeps the field patches clear of the neighbours.
    TileCanvas grass = Grassland(seed + 2);
    canvas.Fill([](double x, double y) { return x < 4 || y < 4 || x > 60 || y > 60; },
                [&](int x, int y) { return grass.At(x, y); });
    PaintRoad(canvas, NorthSouth(-3), seed + 3);
    return canvas;
}

using Design = std::function<TileCanvas()>;

const std::map<int, Design>& Designs() {
    static const std::map<int, Design> designs = {
        {0,
         [] { return FieldTransition([](double x, double y) { return x < 24 || y < 24; }, 100); }},
        {1, [] { return Grassland(101); }},
        {2, [] { return Sea(Everywhere, 102); }},
        {3, [] { return Sea(SouthOf40, 103); }},
        {4, [] { return Sea(PastNorthWestDiagonal, 104); }},
        {5, [] { return Sea(PastSouthEastCut, 105); }},
        {6, [] { return Field(FieldKind::Wheat, 106); }},
        {7, [] { return Field(FieldKind::Crop, 107); }},
        {8, [] { return Field(FieldKind::Patchwork, 108); }},
        {9, [] { return Field(FieldKind::Ploughed, 109); }},
        {10, [] { return Town(Everywhere, 110); }},
        {11, [] { return Town(InNorthEastCorner, 111); }},
        {12, [] { return Town(PastNorthWestCut, 112); }},
        {13, [] { return Town(SouthOf24, 113); }},
        {14, [] { return River(WestEast(4), 114); }},
        {15, [] { return River(WestEast(-4), 115); }},
        {16, [] { return River(CornerArc(0, 0), 116); }},
        {17, [] { return RiverBendWithSandbank(117); }},
        {18, [] { return RiverWithIsland(118); }},
        {19, [] { return River(CornerArc(64, 0), 119); }},
        {20, [] { return RiverTown(120); }},
        {21, [] { return RiverMouth(121); }},
        {22, [] { return Mountains(Everywhere, 122); }},
        {23, [] { return Mountains(BeforeNorthWestDiagonal, 123); }},
        {24, [] { return Mountains(NorthOf40, 124); }},
        {25, [] { return Mountains(BeforeSouthEastCut, 125); }},
        {26, [] { return Forest(SouthOf24, 126); }},
        {27, [] { return Forest(Everywhere, 127); }},
        {28, [] { return Forest(PastNorthWestCut, 128); }},
        {29, [] { return Forest(PastNorthWestCut, 129, true); }},
        {30, [] { return Forest(DiagonalBand, 130); }},
        {31, [] { return Forest(InSouthEastCorner, 131); }},
        {32, [] { return Sea(SouthOf40, 132); }},
        {33, [] { return Sea(PastNorthWestDiagonal, 133, true); }},
        {34, [] { return Road(CornerArc(64, 0), 134); }},
        {35, [] { return Road(NorthSouth(0), 135); }},
        {36, [] { return Road(NorthSouth(3), 136); }},
        {37, [] { return RoadWithTrees(137); }},
        {38,
         [] {
             return FieldTransition([](double x, double y) { return std::hypot(x, y) < 24; }, 138);
         }},
        {39, [] { return Road(CornerArc(64, 64), 139); }},
        {40, [] { return RoadThroughFields(140); }},
        {41, [] { return Forest(Everywhere, 141, true); }},
        {42, [] { return Town(Everywhere, 142, TownKind::Plaza); }},
        {43, [] { return RiverSpring(143); }},
        {44, [] { return Sea(SouthOf40, 144, true); }},
        {45,
         [] {
             return Road(Either(NorthSouth(0), Segment({32, 32}, {68, 32})), 145);
         }},
        {46, [] { return Town(PastNorthWestCut, 146, TownKind::Plaza); }},
        {47, [] { return FieldTransition([](double, double y) { return y < 24; }, 147); }},
        {48, [] { return Village(148, true); }},
        {49, [] { return Village(149, false); }},
        {50, [] { return Sea(SouthOf40, 150, true); }},
        {51, [] { return Sea(SouthOf40, 151); }},
        {52, [] { return CoastBridge(152); }},
        {53, [] { return RiverBridge(153); }},
        {54,
         [] {
             return River(Either(WestEast(0), Segment({32, -4}, {32, 32})), 154);
         }},
        {55, [] { return CoastRiver(155); }},
        {56, [] { return RiverTrees(156); }},
        {57, [] { return CoastTown(157); }},
        {58, [] { return OpenWaterBridge(158); }},
    };
    return designs;
}

// A raised (or pressed) button face with a bevel.
TileCanvas ButtonFace(int size, bool pressed) {
    TileCanvas canvas(size);
    canvas.FillAll([&](int x, int y) {
        const int last = size - 1;
        const bool topLeft = x < 2 || y < 2;
        const bool bottomRight = x > last - 2 || y > last - 2;
        if (x == 0 || y == 0 || x == last || y == last)
            return pressed ? ui::Black : (x == last || y == last ? ui::Black : ui::White);
        if (bottomRight)
            return pressed ? uint8_t(ui::Grey1 + 7) : uint8_t(ui::Grey1 + 2);
        if (topLeft)
            return pressed ? uint8_t(ui::Grey1 + 2) : uint8_t(ui::Grey1 + 7);
        return pressed ? uint8_t(ui::Grey1 + 4) : uint8_t(ui::Grey1 + 6);
    });
    return canvas;
}

// The tile painting tool: a small patch of tiles and a pencil.
TileCanvas DrawTileButton(bool pressed) {
    TileCanvas canvas = ButtonFace(48, pressed);
    const int shift = pressed ? 1 : 0;
    for (int y = 10; y < 34; ++y) {
        for (int x = 8; x < 32; ++x) {
            const bool border = (x - 8) % 12 == 0 || (y - 10) % 12 == 0 || x == 31 || y == 33;
            const int cell = ((x - 8) / 12 + (y - 10) / 12) % 2;
            canvas.Set(x + shift, y + shift,
                       border ? ui::Black
                       : cell ? Shade(bands::Wheat, 0.6 + 0.2 * ((y % 3) == 0))
                              : Shade(bands::Grass, 0.5 + 0.2 * Unit(x, y)));
        }
    }
    // The pencil, from the lower right towards its point in the patch.
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            const double along = (x + y - 52) / std::sqrt(2.0);
            const double across = (x - y) / std::sqrt(2.0);
            if (along < -10 || along > 13 ||
                std::abs(across) > 3.2 + std::min(0.0, along + 6) * 0.5)
                continue;
            uint8_t colour = along < -6  ? (along < -8.5 ? ui::Black : Shade(bands::Sand, 0.6))
                             : along > 9 ? ui::Pink
                                         : (across < 0 ? ui::Yellow : Shade(bands::Wheat, 0.3));
            if (std::abs(across) > 2.6 && along > -6)
                colour = ui::Black;
            canvas.Set(x + shift, y + shift, colour);
        }
    }
    return canvas;
}

// The height tool: a mountain with an arrow pointing up.
TileCanvas HeightButton(bool pressed) {
    TileCanvas canvas = ButtonFace(48, pressed);
    const int shift = pressed ? 1 : 0;
    for (int y = 12; y < 38; ++y) {
        for (int x = 6; x < 42; ++x) {
            const double peak = 12 + std::abs(x - 20) * 1.1;
            if (y < peak)
                continue;
            const bool snow = y < 17;
            const uint8_t colour = snow ? Shade(bands::Snow, x < 20 ? 1.0 : 0.4)
                                        : Shade(bands::Rock, x < 20 ? 0.7 : 0.35);
            canvas.Set(x + shift, y + shift, colour);
        }
    }
    for (int y = 8; y < 38; ++y) {
        for (int x = 30; x < 44; ++x) {
            const bool head = y < 18 && std::abs(x - 37) <= (y - 8) * 0.7;
            const bool shaft = y >= 18 && std::abs(x - 37) <= 2;
            if (head || shaft)
                canvas.Set(x + shift, y + shift, ui::Red);
        }
    }
    return canvas;
}

} // namespace

TileCanvas DesignTile(int code) {
    return Designs().at(code)();
}

std::vector<ButtonPicture> DesignButtons() {
    TileCanvas blank(64);
    blank.FillAll([](int x, int y) {
        return (x == 0 || y == 0 || x == 63 || y == 63) ? uint8_t(ui::Grey1 + 2)
                                                        : uint8_t(ui::Grey1 + 6);
    });
    return {{"drawtileup.bmp", DrawTileButton(false)},
            {"drawtiledown.bmp", DrawTileButton(true)},
            {"heightup.bmp", HeightButton(false)},
            {"heightdown.bmp", HeightButton(true)},
            {"blank.bmp", blank}};
}

#include "TerrainPainters.h"

#include "ArtPalette.h"
#include "Noise.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

double Jitter(int x, int y, uint32_t seed) {
    return Unit(uint32_t(x), uint32_t(y), seed) - 0.5;
}

uint8_t FieldShade(FieldKind kind, int x, int y, uint32_t seed) {
    const double base = Fractal(x, y, seed);
    switch (kind) {
    case FieldKind::Wheat: {
        const int phase = y % 4;
        const double row = phase == 0 ? -0.32 : phase == 3 ? -0.1 : 0.08;
        return Shade(bands::Wheat, 0.55 + 0.3 * (base - 0.5) + row + 0.08 * Jitter(x, y, seed));
    }
    case FieldKind::Crop: {
        const int phase = x % 4;
        const bool plant = phase == 1 || phase == 2;
        const double leaf = plant ? 0.5 + 0.35 * Jitter(x, y, seed) : 0.0;
        if (!plant)
            return Shade(bands::Soil, 0.3 + 0.2 * base);
        return Shade(bands::Crop, 0.35 + 0.3 * base + leaf * 0.4);
    }
    case FieldKind::Ploughed: {
        const int phase = (x + y) % 6;
        const double furrow = phase < 2 ? -0.3 : phase == 2 ? 0.15 : 0.0;
        return Shade(bands::Soil, 0.5 + 0.25 * (base - 0.5) + furrow + 0.1 * Jitter(x, y, seed));
    }
    case FieldKind::Patchwork:
    default: {
        const int quarter = (x < 32 ? 0 : 1) + (y < 32 ? 0 : 2);
        const FieldKind kinds[4] = {FieldKind::Wheat, FieldKind::Crop, FieldKind::Ploughed,
                                    FieldKind::Wheat};
        const bool hedge = x == 31 || x == 32 || y == 31 || y == 32;
        if (hedge)
            return Shade(bands::Hedge, 0.3 + 0.5 * Unit(x, y, seed + 9));
        // The second wheat patch runs across the first one's rows.
        if (quarter == 3)
            return FieldShade(FieldKind::Wheat, y, x, seed + 3);
        return FieldShade(kinds[quarter], x, y, seed + quarter);
    }
    }
}

struct Crown {
    double x;
    double y;
    double radius;
};

// Tree crowns on a jittered 8-pixel grid that repeats every 64 pixels.
Crown CrownOfCell(int i, int j, uint32_t seed, bool conifers) {
    const int wi = (i % 8 + 8) % 8;
    const int wj = (j % 8 + 8) % 8;
    const double jx = Unit(wi, wj, seed) - 0.5;
    const double jy = Unit(wi, wj, seed + 1) - 0.5;
    const double r =
        conifers ? 3.6 + 1.2 * Unit(wi, wj, seed + 2) : 4.4 + 1.8 * Unit(wi, wj, seed + 2);
    return {i * 8 + 4 + 4 * jx, j * 8 + 4 + 4 * jy, r};
}

} // namespace

void PaintGrass(TileCanvas& canvas, uint32_t seed) {
    canvas.FillAll([&](int x, int y) {
        const double base = Fractal(x, y, seed);
        const double tuft = Unit(x, y, seed + 5) > 0.93 ? -0.25 : 0.0;
        return Shade(bands::Grass, 0.42 + 0.45 * (base - 0.5) + tuft + 0.1 * Jitter(x, y, seed));
    });
}

void PaintField(TileCanvas& canvas, const Region& region, FieldKind kind, uint32_t seed,
                bool hedged) {
    const int last = canvas.Size() - 1;
    canvas.Fill(region, [&](int x, int y) {
        if (hedged && (x == 0 || y == 0 || x == last || y == last))
            return Shade(bands::Hedge, 0.2 + 0.6 * Unit(x, y, seed + 7));
        return FieldShade(kind, x, y, seed);
    });
}

void PaintHedgeAround(TileCanvas& canvas, const Region& region) {
    canvas.Fill(
        [&](double x, double y) {
            return !region(x, y) &&
                   DepthInside([&](double u, double v) { return !region(u, v); }, x, y, 2) < 1.5;
        },
        [&](int x, int y) { return Shade(bands::Hedge, 0.25 + 0.5 * Unit(x, y, 77)); });
}

void PaintSea(TileCanvas& canvas, const Region& water, uint32_t seed, bool cliffs) {
    const auto land = [&](double x, double y) { return !water(x, y); };
    canvas.FillAll([&](int x, int y) {
        const double cx = x + 0.5;
        const double cy = y + 0.5;
        if (water(cx, cy)) {
            const double depth = DepthInside(water, cx, cy, 8);
            if (depth < 1.5)
                return Shade(bands::Sea, 0.92 - 0.1 * Unit(x, y, seed));
            // Short, sparse wave crests: they look alike in every rotation of the tile.
            const bool crest =
                Unit(static_cast<uint32_t>(x / 4), static_cast<uint32_t>(y), seed + 3) < 0.06 &&
                x % 4 != 3;
            return Shade(bands::Sea, 0.6 - 0.03 * depth + 0.16 * (Fractal(x, y, seed) - 0.5) +
                                         (crest ? 0.2 : 0.0));
        }
        const double distance = DepthInside(land, cx, cy, 5);
        if (cliffs && distance < 3.5)
            return Shade(bands::Rock, 0.15 + 0.2 * distance + 0.15 * Unit(x, y, seed + 4));
        if (!cliffs && distance < 3.5)
            return Shade(bands::Sand, 0.35 + 0.15 * distance + 0.2 * Jitter(x, y, seed + 4));
        return canvas.At(x, y);
    });
}

void PaintForest(TileCanvas& canvas, const Region& region, uint32_t seed, bool conifers) {
    // Shadow of the trees on the grass to their lower right.
    canvas.Fill([&](double x, double y) { return !region(x, y) && region(x - 2.5, y - 2.5); },
                [&](int x, int y) { return Shade(bands::Grass, 0.08 + 0.08 * Unit(x, y, seed)); });
    canvas.Fill(region, [&](int x, int y) {
        const double px = x + 0.5;
        const double py = y + 0.5;
        double bestHeight = -1;
        double shade = 0;
        const int ci = static_cast<int>(std::floor(px / 8));
        const int cj = static_cast<int>(std::floor(py / 8));
        for (int j = cj - 1; j <= cj + 1; ++j) {
            for (int i = ci - 1; i <= ci + 1; ++i) {
                const Crown crown = CrownOfCell(i, j, seed, conifers);
                const double dx = px - crown.x;
                const double dy = py - crown.y;
                const double d =
                    conifers ? (std::abs(dx) + std::abs(dy)) * 0.8 : std::hypot(dx, dy);
                const double height = 1 - d / crown.radius;
                if (height > bestHeight) {
                    bestHeight = height;
                    shade = 0.3 + 0.35 * height - 0.32 * (dx + dy) / (2 * crown.radius);
                }
            }
        }
        if (bestHeight < 0)
            return Shade(bands::Forest, 0.04 + 0.08 * Unit(x, y, seed + 3));
        return Shade(bands::Forest,
                     shade + (conifers ? -0.08 : 0.05) + 0.1 * Jitter(x, y, seed + 4));
    });
}

void PaintHouse(TileCanvas& canvas, int x0, int y0, int width, int height, uint32_t seed) {
    const bool slate = Unit(seed, 11) < 0.25;
    const bool ridgeAcross = width >= height;
    for (int y = y0; y < y0 + height; ++y) {
        for (int x = x0; x < x0 + width; ++x) {
            if (!canvas.Contains(x, y))
                continue;
            // The roof's two slopes: the one facing the light (top left) is brighter.
            const bool lit = ridgeAcross ? (y - y0) * 2 < height : (x - x0) * 2 < width;
            const bool eave = x == x0 + width - 1 || y == y0 + height - 1;
            double t = lit ? 0.72 : 0.42;
            if (eave)
                t = 0.12;
            t += 0.08 * (Unit(x, y, seed) - 0.5);
            canvas.Set(x, y, slate ? Shade(bands::Wall, t * 0.8) : Shade(bands::Roof, t));
        }
    }
}

void PaintTown(TileCanvas& canvas, const Region& region, uint32_t seed, TownKind kind) {
    auto street = [](int v) { return v < 2 || v >= 62 || (v >= 30 && v < 34); };
    // Yards, squares and streets first, then the houses of each block.
    canvas.Fill(region, [&](int x, int y) {
        if (street(x) || street(y))
            return Shade(bands::Wall, 0.45 + 0.1 * Unit(x, y, seed));
        return Shade(bands::Square, 0.35 + 0.4 * Unit(x, y, seed + 1));
    });
    TileCanvas houses(canvas.Size());
    houses.FillAll([&](int x, int y) { return canvas.At(x, y); });
    for (int block = 0; block < 4; ++block) {
        const int bx = block % 2 == 0 ? 2 : 34;
        const int by = block < 2 ? 2 : 34;
        const uint32_t blockSeed = Hash(seed, block);
        const int columns = 2 + static_cast<int>(Unit(blockSeed, 1) * 2);
        const int rows = 2 + static_cast<int>(Unit(blockSeed, 2) * 2);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                const int lotX = bx + c * 28 / columns;
                const int lotY = by + r * 28 / rows;
                const int lotW = bx + (c + 1) * 28 / columns - lotX;
                const int lotH = by + (r + 1) * 28 / rows - lotY;
                const uint32_t lotSeed = Hash(blockSeed, r, c);
                if (Unit(lotSeed, 3) < 0.12)
                    continue; // an open yard
                const int inset = Unit(lotSeed, 4) < 0.5 ? 1 : 2;
                PaintHouse(houses, lotX + inset, lotY + inset, lotW - inset - 1, lotH - inset - 1,
                           lotSeed);
            }
        }
    }
    if (kind == TownKind::Plaza) {
        // A market square with a church in the middle of the town.
        houses.Fill([](double x, double y) { return std::hypot(x - 32, y - 32) < 13; },
                    [&](int x, int y) { return Shade(bands::Square, 0.7 + 0.2 * Unit(x, y, 3)); });
        houses.Fill(
            [](double x, double y) {
                return (std::abs(x - 32) < 3 && std::abs(y - 31) < 9) ||
                       (std::abs(x - 32) < 7 && std::abs(y - 28) < 3);
            },
            [](int x, int y) { return Shade(bands::Wall, (x < 32 || y < 27) ? 0.85 : 0.55); });
    }
    canvas.Fill(region, [&](int x, int y) { return houses.At(x, y); });
}

void PaintMountains(TileCanvas& canvas, const Region& region, uint32_t seed) {
    // Peaks on a jittered 16-pixel grid that repeats every 64 pixels; each is a pyramid lit
    // from the west, with snow on the high ones. Peaks near the region's border are lower.
    auto peakOf = [&](int i, int j) {
        const int wi = (i % 4 + 4) % 4;
        const int wj = (j % 4 + 4) % 4;
        const double x = i * 16 + 8 + 6 * (Unit(wi, wj, seed) - 0.5);
        const double y = j * 16 + 8 + 6 * (Unit(wi, wj, seed + 1) - 0.5);
        const double border =
            region(x, y) ? std::min(1.0, DepthInside(region, x, y, 14) / 14.0) : 0.0;
        const double size = (0.75 + 0.35 * Unit(wi, wj, seed + 2)) * (0.45 + 0.55 * border);
        return std::array<double, 3>{x, y, size};
    };
    canvas.Fill(region, [&](int x, int y) {
        const double px = x + 0.5;
        const double py = y + 0.5;
        double best = 0;
        double dxBest = 0;
        const int ci = static_cast<int>(std::floor(px / 16));
        const int cj = static_cast<int>(std::floor(py / 16));
        for (int j = cj - 2; j <= cj + 2; ++j) {
            for (int i = ci - 2; i <= ci + 2; ++i) {
                const auto [cx, cy, size] = peakOf(i, j);
                if (size <= 0)
                    continue;
                const double radius = 13 * size;
                const double dx = px - cx;
                const double dy = py - cy;
                // Steep above, gentle below: the peak stands on a broad foot.
                const double d = std::abs(dx) * 0.9 + (dy < 0 ? -dy * 1.3 : dy * 0.6);
                const double h = size * (1 - d / radius);
                if (h > best) {
                    best = h;
                    dxBest = dx;
                }
            }
        }
        const double grain = 0.06 * Jitter(x, y, seed + 3);
        if (best <= 0.02)
            return Shade(bands::Rock, 0.3 + 0.15 * Fractal(x, y, seed + 4) + grain);
        if (best > 0.62)
            return Shade(bands::Snow, (dxBest < 0 ? 0.95 : 0.35) + grain);
        const double face = dxBest < 0 ? 0.62 : 0.2;
        return Shade(bands::Rock, face + 0.35 * best + grain);
    });
}

void PaintRiver(TileCanvas& canvas, const CentreLine& line, uint32_t seed) {
    canvas.Fill([&](double x, double y) { return line(x, y) < RiverHalfWidth + 1.3; },
                [&](int x, int y) {
                    const double d = line(x + 0.5, y + 0.5);
                    if (d >= RiverHalfWidth)
                        return Shade(bands::Hedge, 0.35 + 0.3 * Unit(x, y, seed));
                    const double ripple = ValueNoise(x, y, 4, seed) > 0.72 ? 0.2 : 0.0;
                    return Shade(bands::River, 0.3 + 0.5 * (d / RiverHalfWidth) + ripple);
                });
}

void PaintPond(TileCanvas& canvas, double cx, double cy, double radius, uint32_t seed) {
    canvas.Fill([&](double x, double y) { return std::hypot(x - cx, y - cy) < radius + 1.3; },
                [&](int x, int y) {
                    const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                    if (d >= radius)
                        return Shade(bands::Hedge, 0.35 + 0.3 * Unit(x, y, seed));
                    return Shade(bands::River, 0.25 + 0.6 * (d / radius));
                });
}

void PaintRoad(TileCanvas& canvas, const CentreLine& line, uint32_t seed) {
    canvas.Fill([&](double x, double y) { return line(x, y) < RoadHalfWidth + 0.9; },
                [&](int x, int y) {
                    const double d = line(x + 0.5, y + 0.5);
                    if (d >= RoadHalfWidth)
                        return Shade(bands::Sand, 0.25 + 0.2 * Unit(x, y, seed));
                    if (d > RoadHalfWidth - 0.9)
                        return Shade(bands::Road, 0.2);
                    return Shade(bands::Road, 0.6 + 0.2 * Unit(x, y, seed + 1));
                });
}

void PaintBridge(TileCanvas& canvas, const CentreLine& line, const Region& over) {
    const double half = RoadHalfWidth + 0.9;
    canvas.Fill(
        [&](double x, double y) {
            return (over(x, y) || over(x, y - 4) || over(x, y + 4) || over(x - 4, y) ||
                    over(x + 4, y)) &&
                   line(x, y) < half;
        },
        [&](int x, int y) {
            const double d = line(x + 0.5, y + 0.5);
            return Shade(bands::Bridge, d > half - 1 ? 0.0 : 0.85);
        });
}

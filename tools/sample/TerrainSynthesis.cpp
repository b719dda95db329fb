#include "TerrainSynthesis.h"

#include "GmtText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>

namespace {

// A mountain range or upland: a ridge along a polyline, `peak` metres high on its crest,
// falling off over `width` degrees of latitude on either side.
struct Ridge {
    std::vector<GeoPoint> course;
    double peak;
    double width;
};

const std::vector<Ridge>& Ridges() {
    static const std::vector<Ridge> ridges = {
        // Alps, west to east, with the Dolomites and the ranges towards the Adriatic.
        {{{5.7, 45.0},
          {6.8, 45.6},
          {7.6, 45.95},
          {8.5, 46.4},
          {9.8, 46.5},
          {11.0, 46.95},
          {12.3, 47.1},
          {13.5, 47.2},
          {14.8, 47.4}},
         3000,
         0.45},
        {{{11.3, 46.2}, {12.2, 46.5}}, 2300, 0.25},
        {{{13.7, 46.3}, {14.3, 45.9}, {15.0, 45.5}}, 1400, 0.3},
        {{{5.7, 46.2}, {6.5, 46.8}, {7.3, 47.4}}, 1100, 0.2},             // Jura
        {{{6.9, 47.8}, {7.4, 48.9}}, 1000, 0.2},                          // Vosges
        {{{8.0, 47.7}, {8.4, 48.8}}, 1100, 0.25},                         // Black Forest
        {{{8.8, 48.1}, {10.3, 48.8}}, 700, 0.2},                          // Swabian Jura
        {{{2.5, 45.0}, {3.0, 45.6}, {3.5, 46.0}}, 1300, 0.6},             // Massif Central
        {{{4.0, 46.9}, {4.1, 47.4}}, 800, 0.2},                           // Morvan
        {{{5.0, 49.8}, {6.5, 50.3}, {7.5, 50.0}, {8.4, 50.2}}, 650, 0.4}, // Ardennes to Taunus
        {{{7.8, 51.2}, {8.5, 51.1}}, 750, 0.25},                          // Sauerland
        {{{10.3, 51.75}, {11.0, 51.65}}, 1000, 0.15},                     // Harz
        {{{10.3, 50.8}, {11.5, 50.5}}, 900, 0.2},                         // Thuringian Forest
        {{{12.2, 50.3}, {13.6, 50.6}}, 1100, 0.2},                        // Ore Mountains
        {{{14.5, 50.8}, {15.0, 50.7}}, 1400, 0.2},                        // Sudetes
        {{{12.3, 49.8}, {13.4, 49.0}, {14.2, 48.6}}, 1300, 0.25},         // Bohemian Forest
        {{{-4.0, 51.9}, {-3.8, 53.0}}, 900, 0.3},                         // Wales
        {{{-2.2, 53.2}, {-2.4, 54.7}}, 700, 0.2},                         // Pennines
        {{{-3.1, 54.45}, {-3.0, 54.6}}, 950, 0.15},                       // Lake District
        {{{-4.0, 50.55}, {-3.8, 50.65}}, 600, 0.12},                      // Dartmoor
        {{{-4.3, 55.0}, {-3.0, 55.3}}, 800, 0.2},                         // Southern Uplands
        {{{-3.8, 48.3}, {-1.5, 48.4}}, 350, 0.3},                         // Armorica
    };
    return ridges;
}

// Broad raised plateaus: centre, radius (degrees) and height.
struct Plateau {
    GeoPoint centre;
    double radius;
    double height;
};

const std::vector<Plateau>& Plateaus() {
    static const std::vector<Plateau> plateaus = {
        {{11.0, 48.2}, 1.8, 450}, // Bavaria
        {{7.8, 47.0}, 0.8, 450},  // Swiss plateau
        {{14.5, 49.7}, 1.6, 400}, // Bohemia
        {{3.0, 46.3}, 1.6, 300},  // central France
        {{9.5, 50.3}, 1.5, 250},  // Hesse
    };
    return plateaus;
}

GeoPoint CellCentre(int row, int column) {
    return {-5.0 + (column + 0.5) / 32.0, 55.0 - (row + 0.5) / 32.0};
}

// Distance in degrees of latitude, longitude shortened by the latitude's cosine.
double GeoDistance(const GeoPoint& a, const GeoPoint& b) {
    const double k = std::cos((a.latitude + b.latitude) * 0.5 * 3.14159265358979 / 180.0);
    return std::hypot((a.longitude - b.longitude) * k, a.latitude - b.latitude);
}

double DistanceToSegment(const GeoPoint& p, const GeoPoint& a, const GeoPoint& b) {
    const double k = std::cos(p.latitude * 3.14159265358979 / 180.0);
    const double ax = a.longitude * k, ay = a.latitude, bx = b.longitude * k, by = b.latitude;
    const double px = p.longitude * k, py = p.latitude;
    const double dx = bx - ax, dy = by - ay;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((px - ax) * dx + (py - ay) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

double RidgeHeight(const GeoPoint& p) {
    double height = 0;
    for (const Ridge& ridge : Ridges()) {
        double d = std::numeric_limits<double>::max();
        for (size_t i = 1; i < ridge.course.size(); ++i)
            d = std::min(d, DistanceToSegment(p, ridge.course[i - 1], ridge.course[i]));
        const double x = d / ridge.width;
        height = std::max(height, ridge.peak * std::exp(-x * x));
    }
    return height;
}

double PlateauHeight(const GeoPoint& p) {
    double height = 0;
    for (const Plateau& plateau : Plateaus()) {
        const double x = GeoDistance(p, plateau.centre) / plateau.radius;
        height = std::max(height, plateau.height * std::exp(-x * x * x * x));
    }
    return height;
}

// Smooth value noise in [-1, 1] with octaves, on a lattice hashed from the seed.
class ValueNoise {
  public:
    explicit ValueNoise(uint32_t seed) : seed_(seed) {}

    double Octaves(double x, double y, int octaves) const {
        double sum = 0, amplitude = 1, total = 0;
        for (int i = 0; i < octaves; ++i) {
            sum += amplitude * Smooth(x, y, static_cast<uint32_t>(i));
            total += amplitude;
            amplitude *= 0.5;
            x *= 2.0;
            y *= 2.0;
        }
        return sum / total;
    }

  private:
    double Lattice(int x, int y, uint32_t octave) const {
        uint32_t h = seed_ ^ (static_cast<uint32_t>(x) * 73856093u) ^
                     (static_cast<uint32_t>(y) * 19349663u) ^ (octave * 83492791u);
        h ^= h >> 13;
        h *= 0x5bd1e995u;
        h ^= h >> 15;
        return (h & 0xFFFF) / 32767.5 - 1.0;
    }
    double Smooth(double x, double y, uint32_t octave) const {
        const double fx = std::floor(x), fy = std::floor(y);
        const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
        const double tx = x - fx, ty = y - fy;
        const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
        const double top = Lattice(ix, iy, octave) * (1 - sx) + Lattice(ix + 1, iy, octave) * sx;
        const double bottom =
            Lattice(ix, iy + 1, octave) * (1 - sx) + Lattice(ix + 1, iy + 1, octave) * sx;
        return top * (1 - sy) + bottom * sy;
    }
    uint32_t seed_;
};

// Distance of every cell to the nearest cell whose flag is set, in cells (chamfer 3-4).
std::vector<double> DistanceTo(const std::vector<uint8_t>& targets) {
    constexpr int Far = std::numeric_limits<int>::max() / 2;
    std::vector<int> d(MapCellCount, Far);
    for (int i = 0; i < MapCellCount; ++i)
        if (targets[static_cast<size_t>(i)])
            d[static_cast<size_t>(i)] = 0;
    auto relax = [&](int row, int column, int dr, int dc, int cost) {
        const int r = row + dr, c = column + dc;
        if (IsInsideMap(r, c))
            d[static_cast<size_t>(CellIndex(row, column))] =
                std::min(d[static_cast<size_t>(CellIndex(row, column))],
                         d[static_cast<size_t>(CellIndex(r, c))] + cost);
    };
    for (int row = 0; row < MapHeight; ++row)
        for (int column = 0; column < MapWidth; ++column) {
            relax(row, column, -1, -1, 4);
            relax(row, column, -1, 0, 3);
            relax(row, column, -1, 1, 4);
            relax(row, column, 0, -1, 3);
        }
    for (int row = MapHeight - 1; row >= 0; --row)
        for (int column = MapWidth - 1; column >= 0; --column) {
            relax(row, column, 1, 1, 4);
            relax(row, column, 1, 0, 3);
            relax(row, column, 1, -1, 4);
            relax(row, column, 0, 1, 3);
        }
    std::vector<double> cells(MapCellCount);
    for (int i = 0; i < MapCellCount; ++i)
        cells[static_cast<size_t>(i)] = d[static_cast<size_t>(i)] / 3.0;
    return cells;
}

bool InLowCountries(const GeoPoint& p) {
    return p.longitude > 3.6 && p.longitude < 7.0 && p.latitude > 51.6 && p.latitude < 53.5;
}

} // namespace

SampleInput SynthesizeTerrain(const std::vector<uint8_t>& land, const std::vector<uint8_t>& rivers,
                              uint32_t seed) {
    std::vector<uint8_t> water(MapCellCount);
    for (int i = 0; i < MapCellCount; ++i)
        water[static_cast<size_t>(i)] = land[static_cast<size_t>(i)] ? 0 : 1;
    const std::vector<double> fromSea = DistanceTo(water);
    const std::vector<double> fromRiver = DistanceTo(rivers);
    const ValueNoise shape(seed), rough(seed * 2654435761u + 1);

    SampleInput input;
    input.elevation.assign(MapCellCount, SeaElevation);
    input.rivers = rivers;
    for (int row = 0; row < MapHeight; ++row)
        for (int column = 0; column < MapWidth; ++column) {
            const size_t i = static_cast<size_t>(CellIndex(row, column));
            if (!land[i])
                continue;
            const GeoPoint p = CellCentre(row, column);
            const double coast = fromSea[i];
            const double ridge = RidgeHeight(p);
            double h = 3.0 + 45.0 * (1.0 - std::exp(-coast / 12.0)) + 1.2 * coast;
            h = std::min(h, 260.0) + PlateauHeight(p);
            h += ridge * (0.75 + 0.5 * shape.Octaves(p.longitude * 3.0, p.latitude * 3.0, 3));
            h += (25.0 + 0.3 * ridge) * rough.Octaves(p.longitude * 12.0, p.latitude * 12.0, 4);
            const double river = fromRiver[i];
            if (river < 4.0)
                h *= 0.7 + 0.075 * river;
            // Land keeps a height of its own (0 would read as sea); only the polders behind
            // the North Sea coast lie below sea level.
            h = std::max(h, 1.0);
            if (InLowCountries(p) && coast < 10.0 && ridge < 50.0)
                h = -4.0 + 8.0 * coast / 10.0 +
                    3.0 * rough.Octaves(p.longitude * 20, p.latitude * 20, 2);
            h = std::clamp(std::round(h), -6.0, 4100.0);
            input.elevation[i] = static_cast<int16_t>(h == 0 ? 1 : h);
        }
    return input;
}

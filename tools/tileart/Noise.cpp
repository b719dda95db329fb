#include "Noise.h"

#include <cmath>

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c) {
    uint32_t h =
        a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA6Bu ^ (c + 0x165667B1u) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double Unit(uint32_t a, uint32_t b, uint32_t c) {
    return (Hash(a, b, c) >> 8) / 16777216.0;
}

double ValueNoise(double x, double y, int cell, uint32_t seed) {
    const int period = 64 / cell;
    const double gx = x / cell;
    const double gy = y / cell;
    const int x0 = static_cast<int>(std::floor(gx));
    const int y0 = static_cast<int>(std::floor(gy));
    const double fx = gx - x0;
    const double fy = gy - y0;
    auto corner = [&](int i, int j) {
        const int wx = ((x0 + i) % period + period) % period;
        const int wy = ((y0 + j) % period + period) % period;
        return Unit(static_cast<uint32_t>(wx), static_cast<uint32_t>(wy), seed);
    };
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    const double top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * sx;
    const double bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * sx;
    return top + (bottom - top) * sy;
}

double Fractal(double x, double y, uint32_t seed) {
    return 0.5 * ValueNoise(x, y, 16, seed) + 0.3 * ValueNoise(x, y, 8, seed + 1) +
           0.2 * ValueNoise(x, y, 4, seed + 2);
}

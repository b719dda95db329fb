#pragma once
// Deterministic pseudo-random values for the art: integer hashing and value noise that
// repeats every 64 pixels, so that a tile's texture continues into a copy of itself.

#include <cstdint>

uint32_t Hash(uint32_t a, uint32_t b = 0, uint32_t c = 0);
// A value in [0, 1) from a hash.
double Unit(uint32_t a, uint32_t b = 0, uint32_t c = 0);
// Smooth noise in [0, 1) with lattice spacing `cell` (a divisor of 64), periodic in 64.
double ValueNoise(double x, double y, int cell, uint32_t seed);
// Three octaves of value noise (cells 16, 8, 4), in [0, 1).
double Fractal(double x, double y, uint32_t seed);

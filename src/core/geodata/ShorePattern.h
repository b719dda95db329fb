#pragma once
// Where a cell's tile is water along its border. Eight points go round the cell clockwise
// from the top-left corner (corner, middle of the top side, corner, middle of the right side,
// ...); a tile is water or land at each, as its picture shows it. Two neighbours agree when
// the three points of their shared side are the same water or land in both; then the shore
// runs on from one picture into the other, which the catalogue's coast half-edges say too.

#include "core/tilemap/TileCatalogue.h"

#include <cstdint>
#include <optional>
#include <span>

// Bit k set: point k is water (points numbered as above, on the map, rotation included).
using ShoreMask = uint8_t;

ShoreMask ShoreMaskOf(TileCell cell);

// The mask of a cell whose corners (top-left, top-right, bottom-right, bottom-left) are water
// or land: the middle of a side is water only when both of its corners are.
ShoreMask ShoreMaskOfCorners(bool topLeft, bool topRight, bool bottomRight, bool bottomLeft);

// The plain water, coast or land cell with that mask (coast: the straight shore, its outer
// and inner corners); nothing for water at two opposite corners only, which no tile shows.
std::optional<TileCell> ShoreCellFor(ShoreMask mask);

// Whether the middle of the cell is water: three or four of its corners are.
bool CentreIsWater(ShoreMask mask);

// Pairs of side-by-side or stacked cells whose shared side differs in water and land.
int CountDisagreeingPairs(std::span<const TileCell> tiles);

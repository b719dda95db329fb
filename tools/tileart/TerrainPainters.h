#pragma once
// Painters for each kind of ground. Each fills the pixels of a region (or along a centre
// line) with indices from its own palette range; the tile designs layer them.

#include "Shapes.h"
#include "TileCanvas.h"

#include <cstdint>

enum class FieldKind { Wheat, Crop, Ploughed, Patchwork };
enum class TownKind { Blocks, Plaza };

void PaintGrass(TileCanvas& canvas, uint32_t seed);
// A field with its crop rows; `hedged` draws a hedge along the tile's sides.
void PaintField(TileCanvas& canvas, const Region& region, FieldKind kind, uint32_t seed,
                bool hedged);
// A hedge on the grass along the outside of a region's border.
void PaintHedgeAround(TileCanvas& canvas, const Region& region);
// Open water; the land within a few pixels of it becomes a beach (or a cliff).
void PaintSea(TileCanvas& canvas, const Region& water, uint32_t seed, bool cliffs);
void PaintForest(TileCanvas& canvas, const Region& region, uint32_t seed, bool conifers);
void PaintTown(TileCanvas& canvas, const Region& region, uint32_t seed, TownKind kind);
// Single houses (with yards) at the given rectangles: x, y, width, height.
void PaintHouse(TileCanvas& canvas, int x, int y, int width, int height, uint32_t seed);
void PaintMountains(TileCanvas& canvas, const Region& region, uint32_t seed);
// A river of half-width 5 along the line, with dark banks.
void PaintRiver(TileCanvas& canvas, const CentreLine& line, uint32_t seed);
// A round pond of river water.
void PaintPond(TileCanvas& canvas, double x, double y, double radius, uint32_t seed);
void PaintRoad(TileCanvas& canvas, const CentreLine& line, uint32_t seed);
// A bridge along the line, drawn only over the pixels of `over` (the water it crosses).
void PaintBridge(TileCanvas& canvas, const CentreLine& line, const Region& over);

// Half-widths shared by the designs and the joining rules.
constexpr double RiverHalfWidth = 5.0;
constexpr double RoadHalfWidth = 2.6;

#pragma once
// Bringing the terrain mesh up to date after an edit of a few cells, without filling the
// whole window again.

#include "core/area/CellRect.h"
#include "core/mesh/TerrainMesh.h"

// After the heights or tiles of the map cells `cells` changed, brings a mesh filled for the
// same window (FillTerrainMesh with the same left, top, columns and rows) up to date: only
// the quads with a corner in those cells are filled again, and the corner normals they share
// with their neighbours smoothed again. The result is the same as filling the whole window.
void RefillTerrainMeshCells(TerrainMesh& mesh, const HeightMap& heights, const TileMap& tiles,
                            int left, int top, int columns, int rows, const CellRect& cells);

#include "core/mesh/TerrainMeshFollower.h"

#include "core/mesh/TerrainMeshRefill.h"

TerrainMeshFollower::TerrainMeshFollower(MapDocument& document, TerrainMesh& mesh)
    : ScopedDocumentListener(document), document_(document), mesh_(mesh) {}

void TerrainMeshFollower::BringUpToDate(int left, int top, int cells) {
    const HeightMap& heights = document_.Heights();
    if (!heights.HasHeightMap())
        return;
    if (heardEverything_ && mesh_.filledFor == TerrainMesh::Window{left, top, cells, cells})
        RefillTerrainMeshCells(mesh_, heights, document_.Tiles(), left, top, cells, cells,
                               changed_);
    else
        FillTerrainMesh(mesh_, heights, document_.Tiles(), left, top, cells, cells);
    changed_ = {};
    heardEverything_ = true;
}

void TerrainMeshFollower::TilesChanged(const CellRect& cells) {
    changed_ = changed_.United(cells);
}

void TerrainMeshFollower::HeightsChanged(const CellRect& cells) {
    changed_ = changed_.United(cells);
}

#pragma once
// Keeps the 3D preview's mesh in step with the document. It hears which cells' tiles and
// heights change; when the view is about to draw, a mesh already filled for the window takes
// over only those cells, and one filled for another window (or never) is filled whole.

#include "core/area/CellRect.h"
#include "core/mesh/TerrainMesh.h"
#include "core/model/MapDocument.h"

class TerrainMeshFollower : private ScopedDocumentListener {
  public:
    TerrainMeshFollower(MapDocument& document, TerrainMesh& mesh);

    // Brings the mesh up to date for the `cells` x `cells` window whose top-left cell is
    // (left, top). Without a height map the mesh stays as it is.
    void BringUpToDate(int left, int top, int cells);

  private:
    void TilesChanged(const CellRect& cells) override;
    void HeightsChanged(const CellRect& cells) override;

    const MapDocument& document_;
    TerrainMesh& mesh_;
    // What changed since the mesh was last brought up to date; a follower that has not heard
    // everything since the mesh was filled (a new one) fills it whole.
    CellRect changed_;
    bool heardEverything_ = false;
};

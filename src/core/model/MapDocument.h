#pragma once
// The map being edited: the tile map, the height map, the rail network and the target areas.
// Every change of a layer goes through here, so that the layers keep what their files can
// hold and everyone who shows them (the views, the 3D mesh) hears which part changed.

#include "core/area/CellRect.h"
#include "core/height/HeightMap.h"
#include "core/model/DocumentListener.h"
#include "core/rails/RailNetwork.h"
#include "core/rails/RailTypes.h"
#include "core/tilemap/TileMap.h"

#include <cstdint>
#include <functional>
#include <vector>

class MapDocument {
  public:
    MapDocument() = default;
    MapDocument(const MapDocument&) = delete;
    MapDocument& operator=(const MapDocument&) = delete;
    MapDocument(MapDocument&&) = default;
    MapDocument& operator=(MapDocument&&) = default;

    const TileMap& Tiles() const { return tiles_; }
    const HeightMap& Heights() const { return heights_; }
    const RailNetwork& Rails() const { return rails_; }
    const std::vector<TargetArea>& TargetAreas() const { return targetAreas_; }

    // The tile map. SetTile needs a loaded map and a cell on it. `edit` changes the loaded
    // map and returns the rectangle holding every cell it changed, which is announced (an
    // empty one announces nothing). A replacement must hold exactly one cell per map cell;
    // anything else is refused (false) and changes nothing.
    void SetTile(int row, int column, TileCell cell);
    void SetTile(int index, TileCell cell) { SetTile(index / MapWidth, index % MapWidth, cell); }
    CellRect EditTiles(const std::function<CellRect(TileMap&)>& edit);
    bool ReplaceTiles(std::vector<TileCell> cells);
    void DiscardTiles();

    // The height map, in the same terms.
    void SetHeight(int index, uint16_t height);
    CellRect EditHeights(const std::function<CellRect(HeightMap&)>& edit);
    bool ReplaceHeights(std::vector<uint16_t> heights);
    void FreeHeights();

    // Both maps at once (a paste may carry tiles and heights); the rectangle is announced
    // for both.
    CellRect EditTilesAndHeights(const std::function<CellRect(TileMap&, HeightMap&)>& edit);

    // The rail network. An edit that leaves a table's count outside 0..2048 is taken back
    // whole and the result is false: no caller can overfill the tables.
    bool EditRails(const std::function<void(RailNetwork&)>& edit);

    void SetTargetAreas(std::vector<TargetArea> areas);

    // The view's origin, zoom, flags and pointer overlays live with the editor; whoever
    // changes them says so here, so that the views follow.
    void AnnounceViewChanged(ViewAspect aspect);

    // Listeners hear every change until they leave; they must leave before they die.
    void Subscribe(DocumentListener& listener);
    void Unsubscribe(DocumentListener& listener);

  private:
    void Announce(const std::function<void(DocumentListener&)>& tell);
    void AnnounceTiles(const CellRect& cells);
    void AnnounceHeights(const CellRect& cells);

    TileMap tiles_;
    HeightMap heights_;
    RailNetwork rails_;
    std::vector<TargetArea> targetAreas_;
    std::vector<DocumentListener*> listeners_;
};

// A listener that hears the document from its construction to its destruction; the document
// must outlive it.
class ScopedDocumentListener : public DocumentListener {
  public:
    explicit ScopedDocumentListener(MapDocument& document) : document_(document) {
        document_.Subscribe(*this);
    }
    ~ScopedDocumentListener() override { document_.Unsubscribe(*this); }
    ScopedDocumentListener(const ScopedDocumentListener&) = delete;
    ScopedDocumentListener& operator=(const ScopedDocumentListener&) = delete;

  private:
    MapDocument& document_;
};

#include "core/model/MapDocument.h"

#include <algorithm>
#include <utility>

namespace {
CellRect CellAt(int row, int column) {
    return {column, row, column + 1, row + 1};
}

bool CountFits(int32_t count) {
    return count >= 0 && count <= RailTableSize;
}
} // namespace

void MapDocument::SetTile(int row, int column, TileCell cell) {
    tiles_.Set(row, column, cell);
    AnnounceTiles(CellAt(row, column));
}

CellRect MapDocument::EditTiles(const std::function<CellRect(TileMap&)>& edit) {
    const CellRect changed = edit(tiles_).ClippedToMap();
    AnnounceTiles(changed);
    return changed;
}

bool MapDocument::ReplaceTiles(std::vector<TileCell> cells) {
    if (cells.size() != static_cast<size_t>(MapCellCount))
        return false;
    tiles_.Replace(std::move(cells));
    AnnounceTiles(WholeMap);
    return true;
}

void MapDocument::DiscardTiles() {
    tiles_.DiscardTileMap();
    AnnounceTiles(WholeMap);
}

void MapDocument::SetHeight(int index, uint16_t height) {
    heights_.Set(index, height);
    AnnounceHeights(CellAt(index / MapWidth, index % MapWidth));
}

CellRect MapDocument::EditHeights(const std::function<CellRect(HeightMap&)>& edit) {
    const CellRect changed = edit(heights_).ClippedToMap();
    AnnounceHeights(changed);
    return changed;
}

bool MapDocument::ReplaceHeights(std::vector<uint16_t> heights) {
    if (heights.size() != static_cast<size_t>(MapCellCount))
        return false;
    heights_.Replace(std::move(heights));
    AnnounceHeights(WholeMap);
    return true;
}

void MapDocument::FreeHeights() {
    heights_.FreeHeightMap();
    AnnounceHeights(WholeMap);
}

CellRect
MapDocument::EditTilesAndHeights(const std::function<CellRect(TileMap&, HeightMap&)>& edit) {
    const CellRect changed = edit(tiles_, heights_).ClippedToMap();
    AnnounceTiles(changed);
    AnnounceHeights(changed);
    return changed;
}

bool MapDocument::EditRails(const std::function<void(RailNetwork&)>& edit) {
    RailNetwork edited = rails_;
    edit(edited);
    if (!CountFits(edited.RailSectionCount) || !CountFits(edited.PendingRailPointCount))
        return false;
    rails_ = std::move(edited);
    Announce([](DocumentListener& listener) { listener.RailsChanged(); });
    return true;
}

void MapDocument::SetTargetAreas(std::vector<TargetArea> areas) {
    targetAreas_ = std::move(areas);
    Announce([](DocumentListener& listener) { listener.TargetAreasChanged(); });
}

void MapDocument::AnnounceViewChanged(ViewAspect aspect) {
    Announce([aspect](DocumentListener& listener) { listener.ViewChanged(aspect); });
}

void MapDocument::Subscribe(DocumentListener& listener) {
    if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end())
        listeners_.push_back(&listener);
}

void MapDocument::Unsubscribe(DocumentListener& listener) {
    std::erase(listeners_, &listener);
}

void MapDocument::AnnounceTiles(const CellRect& cells) {
    if (!cells.Empty())
        Announce([&](DocumentListener& listener) { listener.TilesChanged(cells); });
}

void MapDocument::AnnounceHeights(const CellRect& cells) {
    if (!cells.Empty())
        Announce([&](DocumentListener& listener) { listener.HeightsChanged(cells); });
}

void MapDocument::Announce(const std::function<void(DocumentListener&)>& tell) {
    // A copy: a listener may leave while it hears the news.
    const std::vector<DocumentListener*> listeners = listeners_;
    for (DocumentListener* listener : listeners)
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end())
            tell(*listener);
}

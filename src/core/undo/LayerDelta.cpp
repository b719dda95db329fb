#include "core/undo/LayerDelta.h"

#include "core/model/MapDocument.h"

#include <span>
#include <utility>

namespace {
// The rectangle of map cells holding every changed position.
template <typename T> CellRect CellsOf(const ArrayDelta<T>& delta) {
    CellRect cells;
    for (const uint32_t index : delta.Indices()) {
        const int i = static_cast<int>(index);
        cells = cells.Including(i / MapWidth, i % MapWidth);
    }
    return cells;
}

// Loads or discards a map through the document as the step's side says, then writes its
// changed cells, so that exactly those are announced.
template <typename T, typename Layer, typename Loaded, typename Discard, typename Replace,
          typename Edit>
void ApplyMap(const Layer& layer, bool present, const ArrayDelta<T>& delta, bool forward,
              Loaded loaded, Discard discard, Replace replace, Edit edit) {
    if (!present) {
        if (loaded(layer))
            discard();
        return;
    }
    if (!loaded(layer))
        replace(std::vector<T>(MapCellCount, T{}));
    if (delta.Empty())
        return;
    edit([&](std::span<T> cells) {
        delta.Apply(cells, forward);
        return CellsOf(delta);
    });
}
} // namespace

LayerSnapshot LayerSnapshot::Of(const MapDocument& document) {
    const auto tiles = document.Tiles().Cells();
    const auto heights = document.Heights().Heights();
    return {{tiles.begin(), tiles.end()}, {heights.begin(), heights.end()}, document.Rails()};
}

LayerDelta LayerDelta::Since(const LayerSnapshot& before, const MapDocument& document) {
    LayerDelta delta;
    delta.hasTiles_ = {!before.tiles.empty(), document.Tiles().HasTileMap()};
    delta.hasHeights_ = {!before.heights.empty(), document.Heights().HasHeightMap()};
    delta.tiles_ = ArrayDelta<TileCell>::Between(before.tiles, document.Tiles().Cells());
    delta.heights_ = ArrayDelta<uint16_t>::Between(before.heights, document.Heights().Heights());
    const RailNetwork& rails = document.Rails();
    delta.sections_ =
        ArrayDelta<RailSection>::Between(before.rails.RailSections, rails.RailSections);
    delta.pending_ =
        ArrayDelta<RailPoint>::Between(before.rails.PendingRailPoints, rails.PendingRailPoints);
    delta.sectionCount_ = {before.rails.RailSectionCount, rails.RailSectionCount};
    delta.pendingCount_ = {before.rails.PendingRailPointCount, rails.PendingRailPointCount};
    return delta;
}

bool LayerDelta::Empty() const {
    return hasTiles_.before == hasTiles_.after && hasHeights_.before == hasHeights_.after &&
           tiles_.Empty() && heights_.Empty() && sections_.Empty() && pending_.Empty() &&
           sectionCount_.before == sectionCount_.after &&
           pendingCount_.before == pendingCount_.after;
}

size_t LayerDelta::Bytes() const {
    return sizeof(LayerDelta) + tiles_.Bytes() + heights_.Bytes() + sections_.Bytes() +
           pending_.Bytes();
}

void LayerDelta::Apply(MapDocument& document, bool forward) const {
    ApplyMap(
        document.Tiles(), forward ? hasTiles_.after : hasTiles_.before, tiles_, forward,
        [](const TileMap& map) { return map.HasTileMap(); }, [&] { document.DiscardTiles(); },
        [&](std::vector<TileCell> cells) { document.ReplaceTiles(std::move(cells)); },
        [&](auto write) { document.EditTiles([&](TileMap& map) { return write(map.Cells()); }); });
    ApplyMap(
        document.Heights(), forward ? hasHeights_.after : hasHeights_.before, heights_, forward,
        [](const HeightMap& map) { return map.HasHeightMap(); }, [&] { document.FreeHeights(); },
        [&](std::vector<uint16_t> heights) { document.ReplaceHeights(std::move(heights)); },
        [&](auto write) {
            document.EditHeights([&](HeightMap& map) { return write(map.Heights()); });
        });
    if (sections_.Empty() && pending_.Empty() && sectionCount_.before == sectionCount_.after &&
        pendingCount_.before == pendingCount_.after)
        return;
    document.EditRails([&](RailNetwork& rails) {
        sections_.Apply(rails.RailSections, forward);
        pending_.Apply(rails.PendingRailPoints, forward);
        rails.RailSectionCount = forward ? sectionCount_.after : sectionCount_.before;
        rails.PendingRailPointCount = forward ? pendingCount_.after : pendingCount_.before;
    });
}

#include "core/undo/LayerDelta.h"

#include "core/edit/Editor.h"

#include <span>

namespace {
// Loads or discards a map as the step's side says, then writes its changed cells.
template <typename T, typename Layer, typename Cells, typename Discard>
void ApplyMap(Layer& layer, bool present, const ArrayDelta<T>& delta, bool forward, Cells cells,
              Discard discard) {
    if (!present) {
        discard(layer);
        return;
    }
    if (cells(layer).empty())
        layer.Replace(std::vector<T>(MapCellCount, T{}));
    delta.Apply(cells(layer), forward);
}
} // namespace

LayerSnapshot LayerSnapshot::Of(const Editor& editor) {
    const auto tiles = editor.tileMap.Cells();
    const auto heights = editor.heightMap.Heights();
    return {{tiles.begin(), tiles.end()}, {heights.begin(), heights.end()}, editor.rails};
}

LayerDelta LayerDelta::Since(const LayerSnapshot& before, const Editor& editor) {
    LayerDelta delta;
    delta.hasTiles_ = {!before.tiles.empty(), editor.tileMap.HasTileMap()};
    delta.hasHeights_ = {!before.heights.empty(), editor.heightMap.HasHeightMap()};
    delta.tiles_ = ArrayDelta<TileCell>::Between(before.tiles, editor.tileMap.Cells());
    delta.heights_ = ArrayDelta<uint16_t>::Between(before.heights, editor.heightMap.Heights());
    const RailNetwork& rails = editor.rails;
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

void LayerDelta::Apply(Editor& editor, bool forward) const {
    ApplyMap(
        editor.tileMap, forward ? hasTiles_.after : hasTiles_.before, tiles_, forward,
        [](TileMap& map) { return map.Cells(); }, [](TileMap& map) { map.DiscardTileMap(); });
    ApplyMap(
        editor.heightMap, forward ? hasHeights_.after : hasHeights_.before, heights_, forward,
        [](HeightMap& map) { return map.Heights(); }, [](HeightMap& map) { map.FreeHeightMap(); });
    RailNetwork& rails = editor.rails;
    sections_.Apply(rails.RailSections, forward);
    pending_.Apply(rails.PendingRailPoints, forward);
    rails.RailSectionCount = forward ? sectionCount_.after : sectionCount_.before;
    rails.PendingRailPointCount = forward ? pendingCount_.after : pendingCount_.before;
}

#include "core/edit/SavedLayers.h"

#include <algorithm>

namespace {

size_t Slot(SavedLayer layer) {
    return static_cast<size_t>(layer);
}

} // namespace

SavedLayers::SavedLayers() {
    // Without a map there is nothing to write; both rail files of nothing are a count of 0.
    fileBytes_[Slot(SavedLayer::Railroads)].assign(4, 0);
    fileBytes_[Slot(SavedLayer::RailSegment)].assign(4, 0);
}

void SavedLayers::Remember(SavedLayer layer, std::vector<uint8_t> fileBytes) {
    fileBytes_[Slot(layer)] = std::move(fileBytes);
}

bool SavedLayers::Differs(SavedLayer layer, std::span<const uint8_t> fileBytes) const {
    const std::vector<uint8_t>& saved = fileBytes_[Slot(layer)];
    return !std::ranges::equal(saved, fileBytes);
}

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

void SavedLayers::Remember(SavedLayer layer, std::vector<uint8_t> fileBytes, std::string path) {
    fileBytes_[Slot(layer)] = std::move(fileBytes);
    paths_[Slot(layer)] = std::move(path);
}

const std::string& SavedLayers::Path(SavedLayer layer) const {
    return paths_[Slot(layer)];
}

bool SavedLayers::Differs(SavedLayer layer, std::span<const uint8_t> fileBytes) const {
    const std::vector<uint8_t>& saved = fileBytes_[Slot(layer)];
    return !std::ranges::equal(saved, fileBytes);
}

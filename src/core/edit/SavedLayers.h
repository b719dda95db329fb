#pragma once
// What each of the editor's files held when it was last loaded or saved, so that quitting can
// tell whether anything the user did would be lost.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The layers that the user loads and saves, each in its own file.
enum class SavedLayer { TextureMap, HeightMap, Railroads, RailSegment };
constexpr size_t SavedLayerCount = 4;

class SavedLayers {
  public:
    // At start nothing is loaded: no maps, no rail sections, no pending rail points.
    SavedLayers();

    // `fileBytes` are what the layer's file holds now (just loaded or just written).
    void Remember(SavedLayer layer, std::vector<uint8_t> fileBytes);
    // Whether saving the layer now would write something else.
    bool Differs(SavedLayer layer, std::span<const uint8_t> fileBytes) const;

  private:
    std::array<std::vector<uint8_t>, SavedLayerCount> fileBytes_;
};

#pragma once
// What each of the editor's files held when it was last loaded or saved, and where it is, so
// that quitting can tell whether anything the user did would be lost and saving can go back to
// the same file.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The layers that the user loads and saves, each in its own file.
enum class SavedLayer { TextureMap, HeightMap, Railroads, RailSegment };
constexpr size_t SavedLayerCount = 4;

class SavedLayers {
  public:
    // At start nothing is loaded: no maps, no rail sections, no pending rail points.
    SavedLayers();

    // `fileBytes` are what the layer's file at `path` holds now (just loaded or just written);
    // an empty path: the layer has no file.
    void Remember(SavedLayer layer, std::vector<uint8_t> fileBytes, std::string path);
    // Whether saving the layer now would write something else.
    bool Differs(SavedLayer layer, std::span<const uint8_t> fileBytes) const;
    // The layer's file, "" when it has none.
    const std::string& Path(SavedLayer layer) const;

  private:
    std::array<std::vector<uint8_t>, SavedLayerCount> fileBytes_;
    std::array<std::string, SavedLayerCount> paths_;
};

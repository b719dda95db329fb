#pragma once
// maptool reads and writes the layer files through the codecs. A file that is refused or
// cannot be written is reported on standard error as "maptool: CAPTION TEXT", with the
// caption and text the editor shows for it; a written file is announced on standard output
// as "PATH has been saved.".

#include "core/rails/RailTypes.h"
#include "core/tilemap/TileCatalogue.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

std::optional<std::vector<TileCell>> ReadTextureMapCells(const std::string& path);
std::optional<std::vector<uint16_t>> ReadHeights(const std::string& path);
std::optional<std::vector<RailSection>> ReadRailSections(const std::string& path);
std::optional<std::vector<RailPoint>> ReadRailPoints(const std::string& path);
std::optional<std::vector<TargetArea>> ReadTargetAreas(const std::string& path);

// Writes the file whole or not at all. `createCaption` is the caption when the file cannot
// be created; a failure after that is "Unable to save file...".
bool WriteLayerFile(const std::string& path, std::span<const uint8_t> bytes,
                    const char* createCaption);

// A failure in the form above.
void ReportFailure(const std::string& caption, const std::string& text);

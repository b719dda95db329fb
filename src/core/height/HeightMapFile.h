#pragma once
// The height map file (".hm" or ".raw", one format): 204800 unsigned 16-bit heights,
// little-endian, row 0 first, 409600 bytes and nothing else.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <string>
#include <vector>

constexpr size_t HeightMapFileSize = MapCellCount * 2;

// Replaces the height map by the file's 409600 bytes, rebuilds the shade image and
// centres the preview on cell (0, 0). Without a path the user is asked. A file that cannot be
// opened or is not exactly 409600 bytes is reported and the old height map stays.
// Unsaved changes of the height map are asked about first.
void OpenHeightMap(Editor& editor, Shell& shell, const std::string& path = {});
// The same for a file of the program's own making, without the question.
void ReadHeightMapFile(Editor& editor, Shell& shell, const std::string& path);
// Replaces the height map by `heights` (MapCellCount values), rebuilds the shade image,
// repaints the height view and centres the preview on cell (0, 0).
void ReplaceHeightMap(Editor& editor, Shell& shell, std::vector<uint16_t> heights);
// What the height map's file holds: each height as two bytes, low byte first.
std::vector<uint8_t> HeightMapFileBytes(const HeightMap& heights);

// Writes the height map; without a path the user is asked. Reports success or failure.
void SaveHeightMap(Editor& editor, Shell& shell, const std::string& path = {});

#pragma once
// The height map's file commands: the height view's "&Open" and "&Save".

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <string>
#include <vector>

// Replaces the height map by the file's 409600 bytes, as one undo step, rebuilds the shade
// image and centres the preview on cell (0, 0). Without a path the user is asked. A file that
// cannot be opened or is not exactly 409600 bytes is reported and the old height map stays.
// Unsaved changes of the height map are asked about first.
void OpenHeightMap(Editor& editor, Shell& shell, const std::string& path = {});
// The same for a file of the program's own making or one already agreed to, without the
// question; true when the height map was read.
bool ReadHeightMapFile(Editor& editor, Shell& shell, const std::string& path);
// Replaces the height map by `heights` (MapCellCount values), rebuilds the shade image,
// repaints the height view and centres the preview on cell (0, 0).
void ReplaceHeightMap(Editor& editor, Shell& shell, std::vector<uint16_t> heights);

// Writes the height map; without a path the user is asked. Reports success or failure.
void SaveHeightMap(Editor& editor, Shell& shell, const std::string& path = {});

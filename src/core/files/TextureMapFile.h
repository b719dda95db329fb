#pragma once
// The texture map's file commands: "&Load Texture File..." and "&Save Texture File...".

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <string>

// Replaces the tile map by the file's 204800 bytes, as one undo step. Without a path the user
// is asked. A file that cannot be opened or is not exactly 204800 bytes is reported and the
// map stays. Unsaved changes of the tile map are asked about first.
void LoadTextureMap(Editor& editor, Shell& shell, const std::string& path = {});
// The same for a path already agreed to, without the question; true when the map was read.
bool ReadTextureMapFile(Editor& editor, Shell& shell, const std::string& path);
// Writes the tile map; without a path the user is asked. Reports success or failure.
void SaveTextureMap(Editor& editor, Shell& shell, const std::string& path = {});

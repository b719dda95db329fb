#pragma once
// The texture map file (".tm"): the whole tile map as 204800 raw cell bytes, row 0 first.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <string>

// Replaces the tile map by the file's 204800 bytes. Without a path the user is asked. A file
// that cannot be opened or is not exactly 204800 bytes is reported and the map stays.
void LoadTextureMap(Editor& editor, Shell& shell, const std::string& path = {});
// Writes the tile map; without a path the user is asked. Reports success or failure.
void SaveTextureMap(Editor& editor, Shell& shell, const std::string& path = {});

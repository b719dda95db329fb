#pragma once
// Pictures for looking at the bundled art: a contact sheet of every tile in its four
// rotations (at 64 and at 16 pixels, labelled with code and name), and a small sample map of
// joined tiles laid the way the editor's tools lay them. Both read the tile files through
// the editor's own bitmap code.

#include <string>

bool RenderContactSheet(const std::string& tilesFolder, const std::string& pngPath);
bool RenderSampleMap(const std::string& tilesFolder, const std::string& pngPath);

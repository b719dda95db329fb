#pragma once
// The map as a whole: its four layer files share a folder and a base name ("north.tm",
// "north.hm", "north.rrd", "north.seg"). New Map, Open Map..., Save Map and Save Map As...
// work on all of them at once; the per-layer commands stay as they are.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <optional>
#include <string>

// The map's name for the title: the base name of its texture map's file, else of the first
// layer that has a file; "Untitled" for a map without files; "" when nothing is loaded.
std::string MapName(const Editor& editor);

// A blank map: every cell the selected tile unturned, every height flat (0 under a water
// tile, else the lowest land height 1), no rails, no files. Asks first when anything is unsaved.
// One undo step.
void NewMap(Editor& editor, Shell& shell);

// Opens the layer files that share the chosen file's folder and base name (without a path the
// user is asked) and reports which were found. Asks first when a layer that is replaced holds
// unsaved changes. One undo step. The path of the map opened, when any layer was read.
std::optional<std::string> OpenMap(Editor& editor, Shell& shell, const std::string& path = {});

// Saves each layer whose content is in no file: back to its own file, or, for a layer that has
// none, under a name asked for. One notice names the files written. False when the user
// cancelled or a save failed.
bool SaveMap(Editor& editor, Shell& shell);

// Asks for one name and saves every layer that holds anything beside it, each with its own
// extension, asking before replacing files that are not the layer's own. The path of the
// texture map (or first file) saved, when all were.
std::optional<std::string> SaveMapAs(Editor& editor, Shell& shell);

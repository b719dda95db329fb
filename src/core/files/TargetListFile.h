#pragma once
// Reading the target areas, once at start-up; the list is never changed or written.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <string>

// Reads "TarList.dat" from the current folder, else from the program's data folder. A missing
// or damaged file shows "Failed to read TarList.dat!" (with the path where it was found) and
// leaves the list as it was (empty).
void LoadTargetAreas(Editor& editor, Shell& shell);
// The same for a list at a given path, which the messages name.
void LoadTargetAreasFrom(Editor& editor, Shell& shell, const std::string& path);

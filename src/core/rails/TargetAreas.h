#pragma once
// The target areas: named labels in world units, read once at start-up from "TarList.dat"
// (an int32 count and that many 48-byte records) and never changed or written.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <string>

// The most target areas a list may name; a larger count is taken as a damaged file.
constexpr int32_t MaxTargetAreas = 65536;

// Reads "TarList.dat" from the current folder, else from the program's data folder. A missing
// or damaged file shows "Failed to read TarList.dat!" (with the path where it was found) and
// leaves the list as it was (empty).
void LoadTargetAreas(Editor& editor, Shell& shell);
// The same for a list at a given path, which the messages name.
void LoadTargetAreasFrom(Editor& editor, Shell& shell, const std::string& path);

// The label of an area: up to its NUL, or all 32 bytes when the name fills the field.
std::string TargetAreaName(const TargetArea& area);

#pragma once
// Converting an elevation (DEM) source into the map's height data: samples the fixed window
// of the source, writes "trv16.hm" (a height map file) and "trv.hm" (an 8-bit raw image)
// beside it, loads the height map (asking first when it has unsaved changes) and reports the
// counters.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <string>

// Converts the source at `path`; without a path the user is asked with the file dialog.
void ConvertDemFile(Editor& editor, Shell& shell, const std::string& path = {});

// The names of the two outputs for a source at `sourcePath` (same folder).
std::string DemHeightOutputPath(const std::string& sourcePath);
std::string DemRawOutputPath(const std::string& sourcePath);

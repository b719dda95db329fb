#pragma once
// The editor's side of an elevation import: the result replaces the height map and the user
// hears how it went.

#include "core/Shell.h"
#include "core/edit/Editor.h"
#include "core/elevation/ElevationImport.h"

// A success replaces the height map (left unsaved: it is in no file yet) and shows the
// summary; a failure shows its message and keeps the height map; a cancel does nothing.
void ApplyElevationImport(Editor& editor, Shell& shell, ElevationImportResult result);

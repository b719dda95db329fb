#pragma once
// The railroad definition's file commands: "Save RRD" and "Load RRD".

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <string>

// Writes every committed section; without a path the user is asked.
void SaveRailroadDefinition(Editor& editor, Shell& shell, const std::string& path = {});
// Replaces the committed sections by the file's, as one undo step; pending points stay. A file
// whose count is out of the table or that holds fewer records than it names is refused and
// changes nothing. Unsaved sections are asked about first.
void LoadRailroadDefinition(Editor& editor, Shell& shell, const std::string& path = {});
// The same for a path already agreed to, without the question; true when the file was read.
bool ReadRailroadDefinitionFile(Editor& editor, Shell& shell, const std::string& path);

#pragma once
// `mapeditor FILE...`: files named on the command line are opened after start-up, each by its
// extension, through the same operations as the menu commands (with the path given, so no
// dialog is shown). Nothing happens when no file is named.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <string>
#include <vector>

// The kinds of file the editor opens, told apart by extension (case ignored).
enum class CommandLineFileKind { TextureMap, HeightMap, RailroadDefinition, RailSegment, Unknown };

CommandLineFileKind CommandLineFileKindOf(const std::string& path);

// Opens each file in order. A file of an unknown kind is reported and skipped; failures to
// read are reported by the operations themselves, and the files after it are still opened.
void OpenCommandLineFiles(Editor& editor, Shell& shell, const std::vector<std::string>& paths);

// The file arguments of the running application (its arguments after the program name, with
// Qt's own options already removed by QApplication).
std::vector<std::string> CommandLineFileArguments();

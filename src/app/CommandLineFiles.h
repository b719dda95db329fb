#pragma once
// `mapeditor FILE...`: files named on the command line are opened after start-up, each by its
// extension, through the same operations as the menu commands (with the path given, so no
// dialog is shown). Nothing happens when no file is named.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <string>
#include <vector>

// Opens each file in order: texture maps, height maps, railroad definitions and rail segments.
// A file of another kind is reported and skipped; failures to read are reported by the
// operations themselves, and the files after it are still opened.
void OpenCommandLineFiles(Editor& editor, Shell& shell, const std::vector<std::string>& paths);

// The file arguments after the program name, as the bytes the system gave (a name need not be
// UTF-8): options are left out, and everything after "--" is a file. Called with main's argc
// and argv after QApplication has removed its own options.
std::vector<std::string> CommandLineFileArguments(int argc, char** argv);

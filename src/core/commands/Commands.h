#pragma once
// The one place that carries out the commands of the menus and the tool palette's mode
// buttons. The menus only mirror the editor state afterwards (display flags and
// editor.checks, on Shell::MenuChecksChanged).

#include "core/Shell.h"
#include "core/edit/CommandId.h"
#include "core/edit/Editor.h"

#include <optional>
#include <string>

// Carries out one command.
void ExecuteCommand(Editor& editor, Shell& shell, CommandId command);

// Opens a map of the "Recent Maps" list, which then names it first.
void OpenRecentMap(Editor& editor, Shell& shell, const std::string& path);

// Whether the menu item of a command carries a check mark in this state, or nothing for a
// command whose item has none.
std::optional<bool> CommandCheckMark(const Editor& editor, CommandId command);

// The lines of the "OpenGL Driver Info" box above its extension list, which follows them
// whole however long it is.
std::string DriverInfoSummary(const DriverStrings& driver);

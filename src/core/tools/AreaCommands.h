#pragma once
// The menu commands of the area tools: switching to them, the selection, copy, cut and paste,
// and the brush's settings.

#include "core/Shell.h"
#include "core/edit/CommandId.h"

#include <optional>

struct Editor;

// Carries out an area tool command; false for any other command.
bool ExecuteAreaCommand(Editor& editor, Shell& shell, CommandId command);
// The check mark of an area tool command's item, or nothing for other commands.
std::optional<bool> AreaCommandCheckMark(const Editor& editor, CommandId command);

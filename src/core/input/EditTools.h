#pragma once
// The current tool at the cursor's map cell; the input rules decide when it acts.

#include "core/Shell.h"
#include "core/edit/Editor.h"
#include "core/edit/InputEvents.h"

// Applies the current tool at map cell (ViewOriginColumn + MouseColumn, ViewOriginRow +
// MouseRow), or at the cursor's world point for rails, for what a button did with which
// modifiers. Outside the map, or without the layer the tool works on, nothing happens.
void EditAtCursor(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers);

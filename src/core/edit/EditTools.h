#pragma once
// The edit tools: what a mouse button does at the cursor's map cell in the current
// EditMode (paint, turn and clear tiles with rivers and roads joined; raise and lower
// heights; lay rail points; drag rail points). The input rules decide when they are called.

#include "core/Shell.h"
#include "core/edit/Editor.h"
#include "core/edit/InputEvents.h"

// Applies the current tool at map cell (ViewOriginColumn + MouseColumn, ViewOriginRow +
// MouseRow), or at the cursor's world point for rails, for what a button did with which
// modifiers. Outside the map, or without the layer the tool works on, nothing happens.
void EditAtCursor(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers);

// Height step of a height edit: 10; 1 with Shift; 100 with Control; Shift wins.
int HeightStep(Modifiers modifiers);

// Joins the river end just painted at (row, column) to the first adjacent river end found
// above, below, right or left, turning both to fit; nothing when none is adjacent.
void JoinRiverAt(TileMap& tiles, int row, int column);

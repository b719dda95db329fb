#pragma once
// An editing tool: what a mouse button does at a map cell, and the name of the undo step that
// makes. One class per tool mode; ToolFor picks the current one.

#include "core/Shell.h"
#include "core/edit/InputEvents.h"

#include <string>

struct Editor;
enum class ToolMode;

class Tool {
  public:
    virtual ~Tool() = default;

    // Acts at map cell (row, column), which is on the map; rail tools use the cursor's world
    // point. Without the layer the tool works on, nothing happens.
    virtual void Act(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers,
                     int row, int column) const = 0;
    // The undo step an action makes ("Paint Tiles").
    virtual std::string StepName(ButtonAction action) const = 0;
};

// The tool of a mode.
const Tool& ToolFor(ToolMode mode);

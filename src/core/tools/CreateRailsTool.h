#pragma once
// The left release lays a pending rail point at the cursor's world point, the right release
// commits the pending points as sections.

#include "core/tools/Tool.h"

class CreateRailsTool : public Tool {
  public:
    void Act(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers, int row,
             int column) const override;
    std::string StepName(ButtonAction action) const override;
    std::string Hint() const override;
    // The rubber band from the last pending point to the pointer.
    CellRect OverlayCells(const Editor& editor) const override;
};

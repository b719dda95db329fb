#pragma once
// The left press drags the nearest rail point to the cursor's world point.

#include "core/tools/Tool.h"

class MoveRailsTool : public Tool {
  public:
    void Act(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers, int row,
             int column) const override;
    std::string StepName(ButtonAction action) const override;
    std::string Hint() const override;
};

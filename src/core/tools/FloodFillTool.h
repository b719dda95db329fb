#pragma once
// Flood fill: a left click fills the 4-connected area of cells with the clicked cell's tile
// code (rotation ignored) with the chosen tile.

#include "core/tools/Tool.h"

class FloodFillTool : public Tool {
  public:
    std::string StepName(ButtonAction action) const override;
    std::string Hint() const override;
    bool TakesPointer() const override { return true; }
    void Press(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers,
               MapPoint cell) const override;
    void Release(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers,
                 MapPoint cell) const override;
};

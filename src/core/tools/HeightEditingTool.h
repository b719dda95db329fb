#pragma once
// Left raises, right lowers the height of a cell by HeightStep, saturating at 0 and 65535;
// the 3D block is rebuilt.

#include "core/tools/Tool.h"

// Height step of a height edit: 10; 1 with Shift; 100 with Control; Shift wins.
int HeightStep(Modifiers modifiers);

class HeightEditingTool : public Tool {
  public:
    void Act(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers, int row,
             int column) const override;
    std::string StepName(ButtonAction action) const override;
    std::string Hint() const override;
    void PaintOverlay(QPainter& painter, const Editor& editor) const override;
    CellRect OverlayCells(const Editor& editor) const override;
};

#pragma once
// The height brush: a drag dabs the brush at every cell the pointer enters; raise, lower,
// flatten (to the height under the first click), smooth or set. Shift swaps raise and lower;
// Ctrl+click in set mode takes the value from the clicked cell. The brush's outline follows
// the pointer.

#include "core/tools/Tool.h"

class HeightBrushTool : public Tool {
  public:
    std::string StepName(ButtonAction action) const override;
    std::string Hint() const override;
    bool TakesPointer() const override { return true; }
    void Press(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers,
               MapPoint cell) const override;
    void Release(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers,
                 MapPoint cell) const override;
    void Move(Editor& editor, Shell& shell, MapPoint cell, bool leftHeld) const override;
    void PaintOverlay(QPainter& painter, const Editor& editor) const override;
    CellRect OverlayCells(const Editor& editor) const override;
};

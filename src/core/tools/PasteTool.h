#pragma once
// Putting down the copied cells: a frame of the clip's size follows the pointer (its top-left
// cell under the pointer); a left click pastes there, as often as wanted; a right click or
// Escape ends pasting and goes back to selecting.

#include "core/tools/Tool.h"

class PasteTool : public Tool {
  public:
    std::string StepName(ButtonAction action) const override;
    std::string Hint() const override;
    bool TakesPointer() const override { return true; }
    void Press(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers,
               MapPoint cell) const override;
    void Release(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers,
                 MapPoint cell) const override;
    void Move(Editor& editor, Shell& shell, MapPoint cell, bool leftHeld) const override;
    bool KeyPress(Editor& editor, Shell& shell, Key key) const override;
    void PaintOverlay(QPainter& painter, const Editor& editor) const override;
    CellRect OverlayCells(const Editor& editor) const override;
};

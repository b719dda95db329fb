#pragma once
// Rectangle selection: the left button drags a rectangle of cells, shown as a marching frame;
// the right button drops the selection. Fill Selection, Copy and Cut act on it.

#include "core/area/CellRect.h"
#include "core/tools/Tool.h"

class SelectTool : public Tool {
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

// Replaces the selection (none: drops it); its frame moves in the view.
void SetSelection(Editor& editor, std::optional<CellRect> selection);

#pragma once
// Lines of tiles: a click paints the chosen tile as tile painting does; Shift+click paints a
// straight line of it from the last painted cell, and a drag paints along the pointer's path.
// Each cell of a line is painted as painting it by hand would, so rivers and roads join.

#include "core/area/CellRect.h"
#include "core/tools/Tool.h"

class LineTool : public Tool {
  public:
    std::string StepName(ButtonAction action) const override;
    std::string Hint() const override;
    bool TakesPointer() const override { return true; }
    void Press(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers,
               MapPoint cell) const override;
    void Release(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers,
                 MapPoint cell) const override;
    void Move(Editor& editor, Shell& shell, MapPoint cell, bool leftHeld) const override;
};

// Paints the chosen tile on every map cell of the line from `from` to `to`, in order, and
// returns the cells that may have changed (a joined river reaches one cell further).
CellRect PaintTileLine(Editor& editor, MapPoint from, MapPoint to);

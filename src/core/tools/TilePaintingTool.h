#pragma once
// The left button paints SelectedTile (river ends and roads joined to their neighbours), the
// right one turns a tile a quarter, the middle one clears it to grass.

#include "core/tools/Tool.h"

// The left button's tile at (row, column), on the map: a river end or a road joined to its
// neighbours (with AutoDraw Rivers), or SelectedTile. The cell is remembered as the last
// painted one.
void PaintSelectedTile(Editor& editor, int row, int column);

class TilePaintingTool : public Tool {
  public:
    void Act(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers, int row,
             int column) const override;
    std::string StepName(ButtonAction action) const override;
    std::string Hint() const override;
};

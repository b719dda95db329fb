#pragma once
// The left button paints SelectedTile (river ends and roads joined to their neighbours), the
// right one turns a tile a quarter, the middle one clears it to grass.

#include "core/tools/Tool.h"

class TilePaintingTool : public Tool {
  public:
    void Act(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers, int row,
             int column) const override;
    std::string StepName(ButtonAction action) const override;
};

#pragma once
// The six zoom steps of the texture view; the cell count is also the 3D window's size.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <optional>

struct ZoomStep {
    CommandId command;
    int tilePixels;
    int cells;
};

// The step of a zoom command, or nothing for any other command.
std::optional<ZoomStep> ZoomStepOf(CommandId command);

// Sets the tile size, moves the zoom check mark, sets the cell counts, lays the terrain grid
// out anew and repaints every window. The origin stays, so the top-left cell stays.
void SelectZoom(Editor& editor, Shell& shell, const ZoomStep& step);

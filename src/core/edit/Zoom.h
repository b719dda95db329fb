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

// The mouse wheel with Ctrl: `steps` zoom steps in (positive) or out (negative) from the
// current one, with the origin moved so that the cell under the pointer (client pixel
// `clientX`, `clientY`) stays under it, as far as the scroll ranges allow. Nothing at the
// first or last step.
void ZoomAtPointer(Editor& editor, Shell& shell, int steps, int clientX, int clientY);

#pragma once
// Switching the edit tool: the palette's mode buttons, the F1 and F2 keys and the two
// rail items of the "&Railroads" menu. VertexMode is on exactly while
// height editing. Each switch announces a display change, so that the views and the palette
// follow.

#include "core/Shell.h"
#include "core/edit/Editor.h"

// Tile painting (palette button and F1).
void SelectTilePaintingMode(Editor& editor);
// Height editing (palette button and F2).
void SelectHeightEditingMode(Editor& editor);

// One of the area tools (selection, flood fill, line, paste, height brush): neither palette
// mode button shows pressed.
void SwitchTool(Editor& editor, ToolMode mode);

// "&Create Rails": on to create rails, or off to tile painting when already creating.
// The rails check marks show the last switch, not EditMode; PaletteMode is left alone.
void SwitchToCreateRails(Editor& editor, Shell& shell);
// "&Move Rails": on to move rails, or back to create rails when already moving.
void SwitchToMoveRails(Editor& editor, Shell& shell);

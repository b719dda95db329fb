#pragma once
// Switching the edit tool: the palette's mode buttons, the F1 and F2 keys and the two
// rail items of the "&Railroads" menu. VertexMode is on exactly while
// height editing.

#include "core/Shell.h"
#include "core/edit/Editor.h"

// Tile painting (palette button and F1): repaints the main window and the palette.
void SelectTilePaintingMode(Editor& editor, Shell& shell);
// Height editing. The palette button repaints every window, the F2 key only the palette.
void SelectHeightEditingMode(Editor& editor, Shell& shell, WindowId lastRepaint);

// One of the area tools (selection, flood fill, line, paste, height brush): neither palette
// mode button shows pressed; the view and the palette repaint.
void SwitchTool(Editor& editor, Shell& shell, ToolMode mode);

// "&Create Rails": on to create rails, or off to tile painting when already creating.
// The rails check marks show the last switch, not EditMode; PaletteMode is left alone.
void SwitchToCreateRails(Editor& editor, Shell& shell);
// "&Move Rails": on to move rails, or back to create rails when already moving.
void SwitchToMoveRails(Editor& editor, Shell& shell);

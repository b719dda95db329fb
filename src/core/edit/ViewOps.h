#pragma once
// Moving the previewed block: clamping the view origin into the scroll ranges and
// re-centring the 3D window, which also brings the terrain mesh up to date.

#include "core/Shell.h"
#include "core/edit/Editor.h"

// Scroll ranges of the main window, in cells. The maxima are 640 and 320, not 639 and 319.
constexpr int HorizontalScrollMax = 640;
constexpr int VerticalScrollMax = 320;

// Brings the editor's mesh up to date for the ViewCells x ViewCells window at (left, top)
// and draws a 3D frame: a mesh already filled for that window gets only the cells changed
// since, any other is filled whole. Without a height map it does nothing at all, not even
// the frame.
void BuildTerrainMesh(Editor& editor, Shell& shell, int left, int top);

// Brings ViewOriginColumn and ViewOriginRow into the scroll ranges and moves the scroll boxes.
void ClampViewOrigin(Editor& editor, Shell& shell);
// Origin = (column, row) - half the view size, rebuild the mesh for that (unclamped) origin,
// then clamp the origin.
void CenterViewOn(Editor& editor, Shell& shell, int column, int row);
// CenterViewOn the centre of the current block: keeps the origin, rebuilds and clamps.
void RecentreViews(Editor& editor, Shell& shell);

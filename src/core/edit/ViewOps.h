#pragma once
// Moving the previewed block: clamping the view origin into the scroll ranges and
// re-centring the 3D window.

#include "core/Shell.h"
#include "core/edit/Editor.h"

// Scroll ranges of the main window, in cells. The maxima are 640 and 320, not 639 and 319.
constexpr int HorizontalScrollMax = 640;
constexpr int VerticalScrollMax = 320;

// Brings ViewOriginColumn and ViewOriginRow into the scroll ranges and moves the scroll boxes.
void ClampViewOrigin(Editor& editor, Shell& shell);
// Origin = (column, row) - half the view size; the 3D window takes that (unclamped) origin,
// then the origin is clamped.
void CenterViewOn(Editor& editor, Shell& shell, int column, int row);
// CenterViewOn the centre of the current block: keeps the origin and brings the 3D window
// onto it.
void RecentreViews(Editor& editor, Shell& shell);

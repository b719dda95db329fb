#pragma once
// What the area tools share: where a map cell lies in the view, repainting the cells an edit
// touched, and bringing the other views up to date when an edit ends.

#include "core/Shell.h"
#include "core/area/CellRect.h"
#include "core/tools/Tool.h"

#include <QRect>

struct Editor;

// The view pixels of a rectangle of map cells.
QRect ViewPixelsOf(const Editor& editor, const CellRect& cells);
// Repaints the view pixels of `cells` (with a one-pixel margin for frames drawn on the edge).
void RepaintCells(const Editor& editor, Shell& shell, const CellRect& cells);
// After a change of the layers: the 3D block is rebuilt, the height view's shade follows
// and the height view repaints.
void FinishLayerEdit(Editor& editor, Shell& shell);
// The map cell under the pointer.
MapPoint PointerCell(const Editor& editor);

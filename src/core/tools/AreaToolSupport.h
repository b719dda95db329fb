#pragma once
// What the area tools share: where a map cell lies in the view, announcing their overlays,
// and bringing the other views up to date when an edit ends.

#include "core/Shell.h"
#include "core/area/CellRect.h"
#include "core/tools/Tool.h"

#include <QRect>

struct Editor;

// The view pixels of a rectangle of map cells.
QRect ViewPixelsOf(const Editor& editor, const CellRect& cells);
// The map cells that the current tool's marks over the view cover.
CellRect PointerOverlayCells(const Editor& editor);
// The current tool's marks over the view (outline, preview, frame, rubber band) may have
// moved or changed since they covered `before` (what PointerOverlayCells said then).
void AnnounceOverlayChanged(Editor& editor, const CellRect& before);
// After a change of the layers: the 3D block is rebuilt and the height view's shade follows.
void FinishLayerEdit(Editor& editor, Shell& shell);
// The map cell under the pointer.
MapPoint PointerCell(const Editor& editor);

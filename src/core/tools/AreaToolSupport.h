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
// Something drawn over the view at the pointer (outline, preview, frame) moved or changed.
void AnnounceOverlayChanged(Editor& editor);
// After a change of the layers: the 3D block is rebuilt and the height view's shade follows.
void FinishLayerEdit(Editor& editor, Shell& shell);
// The map cell under the pointer.
MapPoint PointerCell(const Editor& editor);

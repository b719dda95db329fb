#pragma once
// The overlays that the texture view draws over its tiles, in this order: latitude and
// longitude lines, railroads, target area names, the mouse world location, the current
// tool's marks (the height-edit cross, for one) and the frame of the 3D block. Each but the
// tool's has its own switch in the editor.

#include "core/Shell.h"
#include "core/edit/Editor.h"

#include <QPainter>
#include <QSize>

// All overlays whose switches are on. Painting never asks for another paint: the pointer's
// moves repaint the rubber band.
void PaintTextureViewOverlays(QPainter& painter, QSize client, const Editor& editor);

void PaintLatLongLines(QPainter& painter, QSize client, const ViewState& view);
// Sections, pending points, handles in move-rails mode and the rubber band in create-rails
// mode. Returns true when the rubber band was drawn.
bool PaintRailroads(QPainter& painter, QSize client, const Editor& editor);
void PaintTargetAreas(QPainter& painter, QSize client, const Editor& editor);
void PaintMouseWorldLocation(QPainter& painter, const CursorState& cursor);
void PaintTerrainBlockFrame(QPainter& painter, const ViewState& view);

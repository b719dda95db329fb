#pragma once
// What the area tools keep between events: the selection, the clip to paste, the brush and
// the cell the last tile was painted in.

#include "core/area/CellRect.h"
#include "core/area/HeightBrush.h"
#include "core/area/MapClip.h"
#include "core/map/MapPoint.h"

#include <optional>

struct AreaToolState {
    std::optional<CellRect> selection;
    std::optional<MapPoint> selectionAnchor; // the corner a selection drag started from
    int marchPhase = 0;                      // the selection frame's dash offset

    MapClip clip;
    bool pasteTiles = true;
    bool pasteHeights = true;

    BrushSettings brush;
    uint16_t brushSetValue = 1000; // the Set mode's height; Ctrl+click picks it from the map
    std::optional<MapPoint> brushLastDab;
    BrushSettings strokeBrush; // the brush as the stroke under way began

    std::optional<MapPoint> lastPainted; // where a line drawn with Shift starts
    MapPoint pointer;                    // the cell under the pointer, for the overlays
};

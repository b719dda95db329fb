#pragma once
// What a view of the map hears from the document: which part of which layer changed, or that
// the way the map is shown changed. Every method has an empty default, so a listener names
// only what it shows.

#include "core/area/CellRect.h"

// What changed about the way the map is shown.
enum class ViewAspect {
    Block,   // the view's origin or zoom, and with them the 3D window
    Display, // display flags, the tool mode, the selected tile, the palette's mode
};

class DocumentListener {
  public:
    virtual ~DocumentListener() = default;

    // `cells` is a rectangle of map cells holding every changed cell; never empty.
    virtual void TilesChanged(const CellRect& /*cells*/) {}
    virtual void HeightsChanged(const CellRect& /*cells*/) {}
    // Sections or pending points, their counts included.
    virtual void RailsChanged() {}
    virtual void TargetAreasChanged() {}
    virtual void ViewChanged(ViewAspect /*aspect*/) {}
    // Marks drawn over the view at the pointer (the rubber band of a rail being laid, a brush
    // outline, a paste preview, the selection frame, the height-edit cross) moved or changed:
    // they covered the map cells `before` and cover `now`. Either may be empty or reach past
    // the map's edges.
    virtual void PointerOverlayChanged(const CellRect& /*before*/, const CellRect& /*now*/) {}
};

#pragma once
// The seven pens of the main window. The overlays of the texture view and the height view
// and the tools' marks draw with them; every pen leaves the end pixel of a line unset, as
// lines always do here.

#include <QPen>

struct OverlayPens {
    QPen YellowPen;
    QPen BluePen;
    QPen RedPen;
    QPen YellowDashPen;
    QPen WideBluePen;
    QPen WideRedPen;
    QPen BlackPen;
};

// The pens, created on first use and kept for the program's life.
const OverlayPens& Pens();

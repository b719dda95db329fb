#include "core/paint/OverlayPens.h"

namespace {

// A one-pixel pen: flat caps, so a line stops one pixel short of its second point.
QPen ThinPen(int red, int green, int blue, Qt::PenStyle style = Qt::SolidLine) {
    return QPen(QColor(red, green, blue), 1, style, Qt::FlatCap, Qt::MiterJoin);
}

// A four-pixel pen with round ends and joins, so the laid points of a rail look like dots.
QPen WidePen(int red, int green, int blue) {
    return QPen(QColor(red, green, blue), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

OverlayPens MakePens() {
    OverlayPens pens;
    pens.YellowPen = ThinPen(255, 255, 50);
    pens.BluePen = ThinPen(50, 50, 255);
    pens.RedPen = ThinPen(255, 50, 50);
    pens.YellowDashPen = ThinPen(255, 255, 50, Qt::DashLine);
    pens.WideBluePen = WidePen(50, 50, 255);
    pens.WideRedPen = WidePen(255, 50, 50);
    pens.BlackPen = ThinPen(0, 0, 0);
    return pens;
}

} // namespace

const OverlayPens& Pens() {
    static const OverlayPens pens = MakePens();
    return pens;
}

#include "core/render/HeightViewPainter.h"

#include "core/map/LatLong.h"
#include "core/paint/OverlayPens.h"
#include "core/paint/PaintPrimitives.h"
#include "core/render/HeightPalette.h"
#include "core/render/WorldToPixel.h"

#include <QImage>

namespace {

// Degree lines every 32 cells; every fifth one (each 160 cells) in yellow.
const QPen& DegreeLinePen(int cell) {
    return cell % (5 * CellsPerDegree) == 0 ? Pens().YellowPen : Pens().RedPen;
}

void PaintDegreeLines(QPainter& painter) {
    for (int y = 0; y < HeightViewHeight; y += CellsPerDegree) {
        painter.setPen(DegreeLinePen(y));
        DrawLine(painter, QPoint(0, y), QPoint(HeightViewWidth, y));
        DrawTextAt(painter, QPoint(0, y), QString::number(LatitudeOfRow(y)));
    }
    for (int x = CellsPerDegree; x < HeightViewWidth; x += CellsPerDegree) {
        painter.setPen(DegreeLinePen(x));
        DrawLine(painter, QPoint(x, 0), QPoint(x, HeightViewHeight));
        DrawTextAt(painter, QPoint(x, 0), QString::number(LongitudeOfColumn(x)));
    }
}

void PaintRails(QPainter& painter, const RailNetwork& rails) {
    painter.setPen(Pens().YellowPen);
    for (int i = 0; i < rails.RailSectionCount; ++i) {
        const RailSection& section = rails.RailSections[static_cast<size_t>(i)];
        DrawLine(painter, HeightViewPixel(section.x1, section.y1),
                 HeightViewPixel(section.x2, section.y2));
    }
    painter.setPen(Pens().BluePen);
    for (int k = 1; k < rails.PendingRailPointCount; ++k) {
        const RailPoint& from = rails.PendingRailPoints[static_cast<size_t>(k - 1)];
        const RailPoint& to = rails.PendingRailPoints[static_cast<size_t>(k)];
        DrawLine(painter, HeightViewPixel(from.x, from.y), HeightViewPixel(to.x, to.y));
    }
}

} // namespace

void PaintHeightView(QPainter& painter, const Editor& editor) {
    const PixelRect client{0, 0, HeightViewWidth, HeightViewHeight};
    if (!editor.document.Heights().HasHeightMap()) {
        DrawNoDataMessage(painter, client, QStringLiteral("No height data loaded."));
        return;
    }
    QImage shade(editor.heightShade.data(), HeightViewWidth, HeightViewHeight, HeightViewWidth,
                 QImage::Format_Indexed8);
    shade.setColorTable(HeightPalette());
    painter.drawImage(QPoint(0, 0), shade);

    if (editor.flags.ShowLatLong)
        PaintDegreeLines(painter);
    if (editor.flags.ShowRailroads)
        PaintRails(painter, editor.document.Rails());

    const ViewState& view = editor.view;
    FrameRect(painter,
              PixelRect{view.ViewOriginColumn, view.ViewOriginRow,
                        view.ViewOriginColumn + view.ViewCells,
                        view.ViewOriginRow + view.ViewCells},
              Qt::white);
}

#include "core/render/TextureViewOverlays.h"

#include "core/map/LatLong.h"
#include "core/paint/OverlayPens.h"
#include "core/paint/PaintPrimitives.h"
#include "core/rails/TargetAreas.h"
#include "core/render/WorldToPixel.h"
#include "core/tools/Tool.h"

#include <utility>
#include <vector>

namespace {

bool StrictlyInside(QPoint point, QSize client) {
    return point.x() > 0 && point.x() < client.width() && point.y() > 0 &&
           point.y() < client.height();
}

// A move handle: a circle of six pixels across, outlined with the current pen and filled
// white.
void DrawMoveHandle(QPainter& painter, QPoint centre) {
    painter.drawEllipse(QRect(centre.x() - 3, centre.y() - 3, 5, 5));
}

} // namespace

void PaintLatLongLines(QPainter& painter, QSize client, const ViewState& view) {
    // One line of a drawn row (across) or column (down): red with the degree on whole
    // degrees, blue with "30" on half degrees.
    const auto degreeLine = [&painter](int cell, int degree, QPoint at, QPoint end, QPoint label) {
        if (!IsHalfDegree(cell))
            return;
        const bool whole = IsWholeDegree(cell);
        painter.setPen(whole ? Pens().RedPen : Pens().BluePen);
        DrawLine(painter, at, end);
        DrawTextAt(painter, label, whole ? QString::number(degree) : QStringLiteral("30"));
    };
    for (int r = view.ViewOriginRow; r < view.ViewOriginRow + view.ViewCells; ++r) {
        const int y = (r - view.ViewOriginRow) * view.TilePixels;
        degreeLine(r, LatitudeOfRow(r), QPoint(0, y), QPoint(client.width(), y), QPoint(0, y - 10));
    }
    for (int k = view.ViewOriginColumn; k < view.ViewOriginColumn + view.ViewCells; ++k) {
        const int x = (k - view.ViewOriginColumn) * view.TilePixels;
        degreeLine(k, LongitudeOfColumn(k), QPoint(x, 0), QPoint(x, client.height()),
                   QPoint(x - 10, 0));
    }
}

bool PaintRailroads(QPainter& painter, QSize client, const Editor& editor) {
    const auto& pens = Pens();
    const auto& rails = editor.document.Rails();
    const TextureViewMapping mapping = MappingOf(editor.view);
    const bool moving = editor.EditMode == ToolMode::MoveRails;
    painter.setBrush(Qt::white);

    painter.setPen(pens.YellowPen);
    for (int i = 0; i < rails.RailSectionCount; ++i) {
        const RailSection& section = rails.RailSections[static_cast<size_t>(i)];
        const QPoint end = mapping.ToPixel(section.x2, section.y2);
        DrawLine(painter, mapping.ToPixel(section.x1, section.y1), end);
        if (moving && StrictlyInside(end, client))
            DrawMoveHandle(painter, end);
    }

    const auto pendingPixel = [&](int j) {
        const RailPoint& point = rails.PendingRailPoints[static_cast<size_t>(j)];
        return mapping.ToPixel(point.x, point.y);
    };
    painter.setPen(pens.WideBluePen);
    for (int j = 1; j < rails.PendingRailPointCount; ++j) {
        DrawLine(painter, pendingPixel(j - 1), pendingPixel(j));
        if (moving)
            DrawMoveHandle(painter, pendingPixel(j - 1));
    }

    if (rails.PendingRailPointCount < 1 || editor.EditMode != ToolMode::CreateRails)
        return false;
    painter.setPen(pens.WideRedPen);
    DrawLine(painter, pendingPixel(rails.PendingRailPointCount - 1),
             mapping.ToPixel(editor.cursor.MouseWorldX, editor.cursor.MouseWorldY));
    return true;
}

void PaintTargetAreas(QPainter& painter, QSize client, const Editor& editor) {
    const TextureViewMapping mapping = MappingOf(editor.view);
    // Only names anchored on the visible part of the block are drawn: a long list has most
    // of its names elsewhere on the map.
    const QSize visible = client.boundedTo(TileBlockRect(editor.view).size());
    std::vector<std::pair<QPoint, QString>> labels;
    for (const TargetArea& area : editor.document.TargetAreas()) {
        const QPoint anchor = mapping.ToPixel(area.x, area.y);
        if (StrictlyInside(anchor, visible)) {
            const std::string name = TargetAreaName(area);
            labels.emplace_back(
                anchor, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        }
    }
    DrawTextsAt(painter, labels);
}

void PaintMouseWorldLocation(QPainter& painter, const CursorState& cursor) {
    DrawTextAt(painter, QPoint(0, 0),
               QStringLiteral("%1, %2").arg(cursor.MouseWorldX).arg(cursor.MouseWorldY));
}

void PaintTerrainBlockFrame(QPainter& painter, const ViewState& view) {
    FrameRect(painter,
              PixelRect{0, 0, view.TilePixels * view.ViewCells, view.TilePixels * view.ViewCells},
              Qt::white);
}

void PaintTextureViewOverlays(QPainter& painter, QSize client, const Editor& editor) {
    const auto& flags = editor.flags;
    if (flags.ShowLatLong)
        PaintLatLongLines(painter, client, editor.view);
    if (flags.ShowRailroads)
        PaintRailroads(painter, client, editor);
    if (flags.ShowTargetAreas)
        PaintTargetAreas(painter, client, editor);
    if (flags.ShowMouseWorldLocation)
        PaintMouseWorldLocation(painter, editor.cursor);
    ToolFor(editor.EditMode).PaintOverlay(painter, editor);
    if (editor.document.Heights().HasHeightMap() && flags.Show3DView)
        PaintTerrainBlockFrame(painter, editor.view);
}

#include "core/paint/PaintPrimitives.h"

#include "core/Shell.h"

#include <QFontMetrics>
#include <QRegion>

#include <cstdlib>
#include <optional>

namespace {

QRect ToQRect(const PixelRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

} // namespace

void FrameRect(QPainter& painter, const PixelRect& rect, const QColor& colour) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return;
    painter.fillRect(rect.left, rect.top, width, 1, colour);
    painter.fillRect(rect.left, rect.bottom - 1, width, 1, colour);
    painter.fillRect(rect.left, rect.top, 1, height, colour);
    painter.fillRect(rect.right - 1, rect.top, 1, height, colour);
}

void FillRect(QPainter& painter, const PixelRect& rect, const QColor& colour) {
    painter.fillRect(ToQRect(rect), colour);
}

void DrawLine(QPainter& painter, QPoint from, QPoint to) {
    if (from == to)
        return;
    // The painter's flat-capped thin lines leave out their last pixel along the main axis
    // (largest x, or largest y for steep lines), whichever end that is. A line drawn
    // towards that end is already right; any other line is drawn with both ends and the
    // pixel of `to` clipped away.
    const QPoint delta = to - from;
    const bool towardsLastPixel =
        std::abs(delta.x()) >= std::abs(delta.y()) ? delta.x() > 0 : delta.y() > 0;
    const QPen pen = painter.pen();
    if (towardsLastPixel || pen.width() > 1) {
        painter.drawLine(from, to);
        return;
    }
    if (delta.x() == 0 || delta.y() == 0) {
        // Straight back along an axis: the same pixels as the line one step shorter at
        // `to` and one step longer at `from`, drawn the other way.
        const QPoint step(delta.x() < 0 ? -1 : (delta.x() > 0 ? 1 : 0),
                          delta.y() < 0 ? -1 : (delta.y() > 0 ? 1 : 0));
        painter.drawLine(to - step, from - step);
        return;
    }
    painter.save();
    QPen bothEnds = pen;
    bothEnds.setCapStyle(Qt::SquareCap);
    painter.setPen(bothEnds);
    constexpr int Far = 1 << 22;
    const QRegion everywhere(-Far, -Far, 2 * Far, 2 * Far);
    painter.setClipRegion(everywhere.subtracted(QRegion(to.x(), to.y(), 1, 1)), Qt::IntersectClip);
    painter.drawLine(from, to);
    painter.restore();
}

QFont ViewFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

void DrawTextAt(QPainter& painter, QPoint topLeft, const QString& text) {
    DrawTextsAt(painter, {{topLeft, text}});
}

void DrawTextsAt(QPainter& painter, const std::vector<std::pair<QPoint, QString>>& texts) {
    if (texts.empty())
        return;
    painter.save();
    painter.setFont(ViewFont());
    painter.setPen(Qt::black);
    const QFontMetrics metrics(painter.font());
    const std::optional<QRect> clip =
        painter.hasClipping() ? std::optional(painter.clipBoundingRect().toAlignedRect())
                              : std::nullopt;
    for (const auto& [topLeft, text] : texts) {
        // A text wholly outside the clip would leave no pixel: it is not laid out at all.
        if (clip && (topLeft.x() > clip->right() || topLeft.y() > clip->bottom() ||
                     topLeft.y() + metrics.height() <= clip->top()))
            continue;
        const QRect box(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
        painter.fillRect(box, Qt::white);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    painter.restore();
}

void DrawNoDataMessage(QPainter& painter, const PixelRect& rect, const QString& text) {
    FillRect(painter, rect, Qt::white);
    painter.save();
    painter.setFont(ViewFont());
    painter.setPen(Qt::black);
    painter.drawText(ToQRect(rect), Qt::AlignCenter | Qt::TextSingleLine, text);
    painter.restore();
}

#pragma once
// The pixels behind a painter, when they can be written directly: a 32-bit opaque image
// drawn on with a whole-pixel translation and no clip of the caller's own. Filling large
// blocks row by row there is much faster than one drawImage call per small picture.

#include <QImage>
#include <QPainter>
#include <QRect>

#include <optional>
#include <vector>

struct RasterTarget {
    uchar* bits = nullptr;
    qsizetype bytesPerLine = 0;
    QPoint offset;           // device pixel of the painter's logical (0, 0)
    QRect bounds;            // the image, in device pixels
    std::vector<QRect> clip; // device rectangles the painter may touch; empty: all of bounds

    // The parts of `logical` (painter coordinates) that may be written, in painter
    // coordinates.
    std::vector<QRect> WritableParts(const QRect& logical) const;
    // The first pixel of row `y` (painter coordinates), at column `x`.
    uint32_t* Pixel(int x, int y) const {
        return reinterpret_cast<uint32_t*>(bits + (y + offset.y()) * bytesPerLine) + x + offset.x();
    }
};

// The painter's target when it is an RGB32 or premultiplied ARGB32 image at one device pixel
// per pixel, drawn on with an integer translation and no clipping set by the caller.
std::optional<RasterTarget> RasterTargetOf(QPainter& painter);

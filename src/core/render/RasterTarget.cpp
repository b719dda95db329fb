#include "core/render/RasterTarget.h"

#include <QPaintEngine>
#include <QRegion>
#include <QTransform>

#include <cmath>

std::vector<QRect> RasterTarget::WritableParts(const QRect& logical) const {
    const QRect device = logical.translated(offset) & bounds;
    std::vector<QRect> parts;
    if (device.isEmpty())
        return parts;
    if (clip.empty()) {
        parts.push_back(device.translated(-offset));
        return parts;
    }
    for (const QRect& allowed : clip) {
        const QRect part = device & allowed;
        if (!part.isEmpty())
            parts.push_back(part.translated(-offset));
    }
    return parts;
}

std::optional<RasterTarget> RasterTargetOf(QPainter& painter) {
    QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster || painter.hasClipping())
        return std::nullopt;
    QPaintDevice* device = engine->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image)
        return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        image->devicePixelRatio() != 1.0)
        return std::nullopt;
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate ||
        transform.dx() != std::round(transform.dx()) ||
        transform.dy() != std::round(transform.dy()))
        return std::nullopt;

    RasterTarget target;
    // The painter already holds this image's own (unshared) buffer: writing through the
    // constant view writes where the painter writes, without a copy.
    target.bits = const_cast<uchar*>(image->constBits());
    target.bytesPerLine = image->bytesPerLine();
    target.offset = QPoint(static_cast<int>(transform.dx()), static_cast<int>(transform.dy()));
    target.bounds = image->rect();
    // A widget's painter may touch only the region being repainted.
    const QRegion system = engine->systemClip();
    if (!system.isEmpty()) {
        for (const QRect& rect : system)
            target.clip.push_back(rect);
    }
    return target;
}

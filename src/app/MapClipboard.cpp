#include "app/MapClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void PutClipOnClipboard(const MapClip& clip) {
    if (clip.Empty())
        return;
    const std::vector<uint8_t> bytes = EncodeClip(clip);
    auto* data = new QMimeData;
    data->setData(MapClipMimeType, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<MapClip> ClipFromClipboard(QString* error) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(MapClipMimeType))
        return std::nullopt;
    const QByteArray bytes = data->data(MapClipMimeType);
    DecodedClip decoded = DecodeClip(std::span<const uint8_t>(
        reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())));
    if (!decoded.error.empty()) {
        if (error)
            *error = QString::fromStdString(decoded.error);
        return std::nullopt;
    }
    return std::move(decoded.clip);
}

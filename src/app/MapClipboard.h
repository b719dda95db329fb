#pragma once
// The copied map cells on the system clipboard, under a MIME type of our own, so that one
// running editor pastes what another copied.

#include "core/area/MapClip.h"

#include <QString>

#include <optional>

inline const QString MapClipMimeType = QStringLiteral("application/x-mapeditor-cells");

// Puts the clip on the clipboard (nothing when it is empty).
void PutClipOnClipboard(const MapClip& clip);
// The clip on the clipboard: nothing when the clipboard holds no map cells; a clip whose
// bytes do not check out is refused, and `error` says why.
std::optional<MapClip> ClipFromClipboard(QString* error = nullptr);

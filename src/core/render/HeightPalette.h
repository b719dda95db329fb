#pragma once
// The height view's 256 colours, indexed by shade: dark blue-green water, a ramp from
// dark brown to light orange for land, and red for the cells marked by the tile check.

#include <QList>
#include <QRgb>

QRgb HeightPaletteEntry(int shade);
// All 256 entries, ready for an 8-bit indexed image.
const QList<QRgb>& HeightPalette();

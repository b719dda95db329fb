#include "core/render/HeightPalette.h"

#include <algorithm>

QRgb HeightPaletteEntry(int shade) {
    if (shade <= 0)
        return qRgb(34, 83, 106);
    if (shade >= 255)
        return qRgb(255, 0, 0);
    const int v = std::min(19 + shade, 255);
    // The blue factor is the single-precision 0.15 (0.15000000596...), so that v = 20 gives 3.
    const double blueFactor = static_cast<double>(0.15f);
    return qRgb(v, static_cast<int>(v * 0.75), static_cast<int>(v * blueFactor));
}

const QList<QRgb>& HeightPalette() {
    static const QList<QRgb> palette = [] {
        QList<QRgb> entries;
        for (int shade = 0; shade < 256; ++shade)
            entries.append(HeightPaletteEntry(shade));
        return entries;
    }();
    return palette;
}

#include "core/image/TileBitmapImage.h"

#include "core/image/DibDecoder.h"

QImage TileBitmapToImage(const TileBitmap& bitmap) {
    RgbImage rgb;
    if (bitmap.bytes.size() < 4 ||
        DecodeDibWithoutFileHeader(bitmap.bytes, rgb) != DibResult::Decoded)
        return {};
    QImage image(rgb.width, rgb.height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    // Decoded rows come in stored order; bottom-up bitmaps store the bottom row first.
    const bool bottomUp = BitmapHeight(bitmap) > 0;
    for (int y = 0; y < rgb.height; ++y) {
        const int sourceRow = bottomUp ? rgb.height - 1 - y : y;
        const uint8_t* source = rgb.data.data() + static_cast<size_t>(sourceRow) * rgb.width * 3;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < rgb.width; ++x)
            target[x] = qRgb(source[3 * x], source[3 * x + 1], source[3 * x + 2]);
    }
    return image;
}

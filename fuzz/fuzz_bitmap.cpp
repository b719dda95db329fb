// Tile and button bitmaps: read whatever the fuzzer gives as a bitmap file, measure it, build
// its palette and Qt picture, and turn it; a tile picture turned four times must come back.
#include "FuzzInput.h"
#include "core/image/TileBitmap.h"
#include "core/image/TileBitmapImage.h"

#include <cstdlib>

namespace {

void CheckRotations(const TileBitmap& bitmap) {
    const bool tile = IsTilePicture(bitmap);
    for (int rotation = 0; rotation <= 4; ++rotation) {
        const auto turned = RotateTileBitmap(bitmap, rotation);
        const bool expected = tile && rotation >= 1 && rotation <= 3;
        if (turned.has_value() != expected)
            std::abort();
        if (turned && turned->bytes.size() != bitmap.bytes.size())
            std::abort();
    }
    if (!tile)
        return;
    // Quarter turns compose: 1 twice is 2, and 1 four times is no turn at all.
    TileBitmap turned = bitmap;
    for (int step = 1; step <= 4; ++step) {
        turned = *RotateTileBitmap(turned, 1);
        if (step == 2 && turned.bytes != RotateTileBitmap(bitmap, 2)->bytes)
            std::abort();
    }
    if (turned.bytes != bitmap.bytes)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = WriteFuzzFile("input.bmp", data, size);
    const auto bitmap = ReadBitmapFile(path);
    if (!bitmap)
        return 0;
    if (BitmapPixels(*bitmap) > bitmap->bytes.size())
        std::abort(); // a block that was read must hold its header and colour table
    const auto palette = CreateBitmapPalette(*bitmap);
    if (palette.size() != BitmapColourCount(*bitmap))
        std::abort();
    if (CopyBitmap(*bitmap).bytes != bitmap->bytes)
        std::abort();
    const QImage image = TileBitmapToImage(*bitmap);
    if (!image.isNull() && (image.width() != BitmapWidth(*bitmap) ||
                            image.height() != std::abs(BitmapHeight(*bitmap))))
        std::abort();
    CheckRotations(*bitmap);
    return 0;
}

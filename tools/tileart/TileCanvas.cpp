#include "TileCanvas.h"

#include "ArtPalette.h"

#include "core/io/FileIO.h"

void TileCanvas::Fill(const Region& region, const std::function<uint8_t(int x, int y)>& paint) {
    for (int y = 0; y < size_; ++y)
        for (int x = 0; x < size_; ++x)
            if (region(x + 0.5, y + 0.5))
                Set(x, y, paint(x, y));
}

void TileCanvas::FillAll(const std::function<uint8_t(int x, int y)>& paint) {
    Fill([](double, double) { return true; }, paint);
}

namespace {

void Append16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

} // namespace

std::vector<uint8_t> EncodeIndexedBitmap(const TileCanvas& canvas) {
    const int size = canvas.Size();
    const int stride = (size + 3) / 4 * 4;
    const int pixelOffset = 14 + 40 + 256 * 4;
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    AppendInt32LE(out, pixelOffset + stride * size);
    AppendInt32LE(out, 0);
    AppendInt32LE(out, pixelOffset);
    AppendInt32LE(out, 40);
    AppendInt32LE(out, size);
    AppendInt32LE(out, size);
    Append16(out, 1);
    Append16(out, 8);
    AppendInt32LE(out, 0);
    AppendInt32LE(out, stride * size);
    AppendInt32LE(out, 2835); // 72 dots per inch
    AppendInt32LE(out, 2835);
    AppendInt32LE(out, 256);
    AppendInt32LE(out, 0);
    for (const ArtColour& colour : ArtPalette()) {
        out.push_back(colour.blue);
        out.push_back(colour.green);
        out.push_back(colour.red);
        out.push_back(0);
    }
    for (int row = size - 1; row >= 0; --row) {
        for (int x = 0; x < stride; ++x)
            out.push_back(x < size ? canvas.At(x, row) : 0);
    }
    return out;
}

bool WriteIndexedBitmap(const TileCanvas& canvas, const std::string& path) {
    return WriteFileAtomically(path, EncodeIndexedBitmap(canvas));
}

#include "core/render/TileBlockWriter.h"

#include <algorithm>
#include <cstring>
#include <vector>

CellLook LookOfCell(const Editor& editor, ScaledTileCache& tiles, int row, int column,
                    std::optional<QColor> uncovered) {
    if (!IsInsideMap(row, column))
        return CellLook{nullptr, OutsideMapColour, true};
    const TileCell value = editor.tileMap.At(row, column);
    const int code = CodeOf(value);
    if (code >= TileCatalogueSize)
        return CellLook{nullptr, OutsideMapColour, false};
    const int size = editor.view.TilePixels;
    if (const QImage* picture = tiles.Scaled(RotationOf(value), code, size))
        return CellLook{picture, std::nullopt, true};
    return CellLook{nullptr, uncovered, true};
}

namespace {

constexpr uint32_t FramePixel = 0xff000000u;

// One cell of a row of cells, ready for copying pixel rows.
struct CellRowSource {
    const uchar* picture = nullptr;
    qsizetype pictureStride = 0;
    std::optional<uint32_t> fill;
    bool framed = false;
};

std::vector<CellRowSource> SourcesOfCellRow(const Editor& editor, ScaledTileCache& tiles,
                                            int cellRow, int firstColumn, int lastColumn,
                                            std::optional<QColor> uncovered) {
    const ViewState& view = editor.view;
    const bool grid = editor.flags.ShowGridlines;
    std::vector<CellRowSource> sources;
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const CellLook look = LookOfCell(editor, tiles, view.ViewOriginRow + cellRow,
                                         view.ViewOriginColumn + column, uncovered);
        CellRowSource source;
        if (look.picture) {
            source.picture = look.picture->constBits();
            source.pictureStride = look.picture->bytesPerLine();
        } else if (look.fill) {
            source.fill = look.fill->rgb();
        }
        source.framed = grid && look.framed;
        sources.push_back(source);
    }
    return sources;
}

// The pixels [from, to) of one pixel row of a cell whose left edge is `cellLeft`.
void WriteCellSpan(uint32_t* row, const CellRowSource& source, int cellLeft, int cellWidth,
                   int from, int to, int inCell, bool frameRow) {
    if (source.framed && frameRow) {
        std::fill(row + from, row + to, FramePixel);
        return;
    }
    if (source.picture) {
        const uchar* line = source.picture + inCell * source.pictureStride;
        std::memcpy(row + from, reinterpret_cast<const uint32_t*>(line) + (from - cellLeft),
                    static_cast<size_t>(to - from) * sizeof(uint32_t));
    } else if (source.fill) {
        std::fill(row + from, row + to, *source.fill);
    }
    if (source.framed) {
        if (from == cellLeft)
            row[from] = FramePixel;
        if (to == cellLeft + cellWidth)
            row[to - 1] = FramePixel;
    }
}

// One pixel row across whole cells of `Width` pixels: a copy of known size for the common
// unframed picture, so that small tiles cost no call each.
template <int Width>
void WriteWholeCells(uint32_t* row, const CellRowSource* sources, int count, int firstLeft,
                     int inCell, bool frameRow) {
    for (int i = 0; i < count; ++i) {
        const CellRowSource& source = sources[i];
        const int left = firstLeft + i * Width;
        if (source.picture && !source.framed)
            std::memcpy(row + left, source.picture + inCell * source.pictureStride,
                        Width * sizeof(uint32_t));
        else
            WriteCellSpan(row, source, left, Width, left, left + Width, inCell, frameRow);
    }
}

void WriteWholeCells(uint32_t* row, const CellRowSource* sources, int count, int firstLeft,
                     int cellWidth, int inCell, bool frameRow) {
    switch (cellWidth) {
    case 16:
        return WriteWholeCells<16>(row, sources, count, firstLeft, inCell, frameRow);
    case 32:
        return WriteWholeCells<32>(row, sources, count, firstLeft, inCell, frameRow);
    case 64:
        return WriteWholeCells<64>(row, sources, count, firstLeft, inCell, frameRow);
    default:
        for (int i = 0; i < count; ++i) {
            const int left = firstLeft + i * cellWidth;
            WriteCellSpan(row, sources[i], left, cellWidth, left, left + cellWidth, inCell,
                          frameRow);
        }
    }
}

} // namespace

void WriteTileBlock(const RasterTarget& target, const QRect& part, const Editor& editor,
                    ScaledTileCache& tiles, std::optional<QColor> uncovered) {
    const int w = editor.view.TilePixels;
    const int h = editor.view.TilePixels;
    if (part.isEmpty() || w <= 0 || h <= 0 || part.left() < 0 || part.top() < 0)
        return;
    const int firstColumn = part.left() / w;
    const int lastColumn = part.right() / w;
    // Cells wholly inside the part, between the partly covered ones at either end.
    const int firstWhole = (part.left() + w - 1) / w;
    const int lastWhole = (part.right() + 1) / w - 1;
    for (int cellRow = part.top() / h; cellRow <= part.bottom() / h; ++cellRow) {
        const auto sources =
            SourcesOfCellRow(editor, tiles, cellRow, firstColumn, lastColumn, uncovered);
        const auto span = [&](uint32_t* row, int column, int inCell, bool frameRow) {
            const int cellLeft = column * w;
            WriteCellSpan(row, sources[static_cast<size_t>(column - firstColumn)], cellLeft, w,
                          std::max(part.left(), cellLeft), std::min(part.right() + 1, cellLeft + w),
                          inCell, frameRow);
        };
        const int top = std::max(part.top(), cellRow * h);
        const int bottom = std::min(part.bottom(), cellRow * h + h - 1);
        for (int y = top; y <= bottom; ++y) {
            const int inCell = y - cellRow * h;
            const bool frameRow = inCell == 0 || inCell == h - 1;
            uint32_t* row = target.Pixel(0, y);
            if (firstWhole > lastWhole) {
                for (int column = firstColumn; column <= lastColumn; ++column)
                    span(row, column, inCell, frameRow);
                continue;
            }
            for (int column = firstColumn; column < firstWhole; ++column)
                span(row, column, inCell, frameRow);
            WriteWholeCells(row, sources.data() + (firstWhole - firstColumn),
                            lastWhole - firstWhole + 1, firstWhole * w, w, inCell, frameRow);
            for (int column = lastWhole + 1; column <= lastColumn; ++column)
                span(row, column, inCell, frameRow);
        }
    }
}

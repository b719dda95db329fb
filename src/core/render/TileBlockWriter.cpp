#include "core/render/TileBlockWriter.h"

#include "core/render/CellRowCopy.h"

#include <algorithm>
#include <cstring>
#include <vector>

CellLook LookOfCell(const Editor& editor, ScaledTileCache& tiles, int row, int column,
                    std::optional<QColor> uncovered) {
    if (!IsInsideMap(row, column))
        return CellLook{nullptr, OutsideMapColour, true};
    const TileCell value = editor.document.Tiles().At(row, column);
    const int code = CodeOf(value);
    if (code >= TileCatalogueSize)
        return CellLook{nullptr, OutsideMapColour, false};
    const int size = editor.view.TilePixels;
    if (const ScaledPicture* picture = tiles.Scaled(RotationOf(value), code, size))
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
    // Each entry is written in place: a source built aside and copied in costs a stalled
    // 16-byte reload of its two halves, once per cell.
    std::vector<CellRowSource> sources(static_cast<size_t>(lastColumn - firstColumn + 1));
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const CellLook look = LookOfCell(editor, tiles, view.ViewOriginRow + cellRow,
                                         view.ViewOriginColumn + column, uncovered);
        CellRowSource& source = sources[static_cast<size_t>(column - firstColumn)];
        if (look.picture) {
            source.picture = look.picture->bits;
            source.pictureStride = look.picture->bytesPerLine;
        } else if (look.fill) {
            source.fill = look.fill->rgb();
        }
        source.framed = grid && look.framed;
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

// The cells wholly inside the part, split into plain pictures (copied row by row in one
// tight loop) and the rest (fills, frames, missing pictures), which go cell by cell.
struct WholeCells {
    std::vector<const uint32_t*> plain; // per cell: its picture, or null for the rest
    std::vector<int> others;            // indices of the cells with a null entry in `plain`
};

WholeCells SplitWholeCells(const CellRowSource* sources, int count, int cellWidth) {
    WholeCells cells;
    cells.plain.resize(static_cast<size_t>(count), nullptr);
    const qsizetype plainStride = static_cast<qsizetype>(cellWidth) * 4;
    for (int i = 0; i < count; ++i) {
        const CellRowSource& source = sources[i];
        if (source.picture && !source.framed && source.pictureStride == plainStride)
            cells.plain[static_cast<size_t>(i)] = reinterpret_cast<const uint32_t*>(source.picture);
        else
            cells.others.push_back(i);
    }
    return cells;
}

void WriteWholeCells(uint32_t* row, const CellRowSource* sources, const WholeCells& cells,
                     int firstLeft, int cellWidth, int inCell, bool frameRow) {
    const int count = static_cast<int>(cells.plain.size());
    const auto one = [&](int i) {
        const int left = firstLeft + i * cellWidth;
        WriteCellSpan(row, sources[i], left, cellWidth, left, left + cellWidth, inCell, frameRow);
    };
    if (!CopyCellRows(row + firstLeft, cells.plain.data(), count, cellWidth, inCell)) {
        for (int i = 0; i < count; ++i)
            one(i);
        return;
    }
    for (const int i : cells.others)
        one(i);
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
        const WholeCells whole = firstWhole <= lastWhole
                                     ? SplitWholeCells(sources.data() + (firstWhole - firstColumn),
                                                       lastWhole - firstWhole + 1, w)
                                     : WholeCells{};
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
            WriteWholeCells(row, sources.data() + (firstWhole - firstColumn), whole, firstWhole * w,
                            w, inCell, frameRow);
            for (int column = lastWhole + 1; column <= lastColumn; ++column)
                span(row, column, inCell, frameRow);
        }
    }
}

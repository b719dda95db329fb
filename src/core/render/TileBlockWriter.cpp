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
    const int size = editor.view.TilePixelWidth;
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
    const bool grid = editor.flags.ShowGridlines != 0;
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

} // namespace

void WriteTileBlock(const RasterTarget& target, const QRect& part, const Editor& editor,
                    ScaledTileCache& tiles, std::optional<QColor> uncovered) {
    const int w = editor.view.TilePixelWidth;
    const int h = editor.view.TilePixelHeight;
    if (part.isEmpty() || w <= 0 || h <= 0 || part.left() < 0 || part.top() < 0)
        return;
    const int firstColumn = part.left() / w;
    const int lastColumn = part.right() / w;
    for (int cellRow = part.top() / h; cellRow <= part.bottom() / h; ++cellRow) {
        const auto sources =
            SourcesOfCellRow(editor, tiles, cellRow, firstColumn, lastColumn, uncovered);
        const int top = std::max(part.top(), cellRow * h);
        const int bottom = std::min(part.bottom(), cellRow * h + h - 1);
        for (int y = top; y <= bottom; ++y) {
            const int inCell = y - cellRow * h;
            const bool frameRow = inCell == 0 || inCell == h - 1;
            uint32_t* row = target.Pixel(0, y);
            for (int column = firstColumn; column <= lastColumn; ++column) {
                const CellRowSource& source = sources[static_cast<size_t>(column - firstColumn)];
                const int cellLeft = column * w;
                const int from = std::max(part.left(), cellLeft);
                const int to = std::min(part.right() + 1, cellLeft + w); // exclusive
                if (source.framed && frameRow) {
                    std::fill(row + from, row + to, FramePixel);
                    continue;
                }
                if (source.picture) {
                    const uchar* line = source.picture + inCell * source.pictureStride;
                    std::memcpy(row + from,
                                reinterpret_cast<const uint32_t*>(line) + (from - cellLeft),
                                static_cast<size_t>(to - from) * sizeof(uint32_t));
                } else if (source.fill) {
                    std::fill(row + from, row + to, *source.fill);
                }
                if (source.framed) {
                    if (from == cellLeft)
                        row[from] = FramePixel;
                    if (to == cellLeft + w)
                        row[to - 1] = FramePixel;
                }
            }
        }
    }
}

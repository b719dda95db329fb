#include "SheetRenderer.h"

#include "core/image/TileBitmap.h"
#include "core/image/TileBitmapImage.h"
#include "core/tilemap/JoinRiverAt.h"
#include "core/tilemap/TileCatalogue.h"
#include "core/tilemap/TileMap.h"

#include <QImage>
#include <QPainter>
#include <array>
#include <vector>

namespace {

using TurnedImages = std::array<QImage, 4>;

std::vector<TurnedImages> LoadTurnedTiles(const std::string& folder) {
    std::vector<TurnedImages> tiles(TileCatalogueSize);
    for (int code = 0; code < TileCatalogueSize; ++code) {
        const auto bitmap = ReadBitmapFile(folder + "/QZ" + std::string(TileFileName(code)));
        if (!bitmap)
            continue;
        tiles[code][0] = TileBitmapToImage(*bitmap);
        for (int rotation = 1; rotation < 4; ++rotation)
            if (const auto turned = RotateTileBitmap(*bitmap, rotation))
                tiles[code][rotation] = TileBitmapToImage(*turned);
    }
    return tiles;
}

// Draws a map window of cells, 64 pixels each; codes without a picture show magenta.
QImage DrawCells(const TileMap& map, const std::vector<TurnedImages>& tiles, int rows,
                 int columns) {
    QImage image(columns * 64, rows * 64, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const TileCell cell = map.At(row, column);
            const int code = CodeOf(cell);
            const QImage* picture =
                code < TileCatalogueSize ? &tiles[code][RotationOf(cell)] : nullptr;
            if (picture && !picture->isNull())
                painter.drawImage(column * 64, row * 64, *picture);
            else
                painter.fillRect(column * 64, row * 64, 64, 64, Qt::magenta);
        }
    }
    return image;
}

// Codes and rotations of a feature block's border, so that the block's edges join.
struct BlockTiles {
    int interior;
    int edge;
    int edgeRotationFacingSouth; // rotation of `edge` whose feature lies to the south
    int corner;
    int cornerRotationFacingSouthEast; // rotation of `corner` whose feature lies south-east
};

void PlaceBlock(TileMap& map, int top, int left, int bottom, int right, const BlockTiles& t) {
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const bool north = row == top, south = row == bottom;
            const bool west = column == left, east = column == right;
            int code = t.interior;
            int turn = 0;
            if ((north || south) && (west || east)) {
                code = t.corner;
                turn = north ? (west ? 0 : 1) : (east ? 2 : 3);
                turn += t.cornerRotationFacingSouthEast;
            } else if (north || south || west || east) {
                code = t.edge;
                turn = north ? 0 : east ? 1 : south ? 2 : 3;
                turn += t.edgeRotationFacingSouth;
            }
            map.Set(row, column, MakeCell(turn % 4, code));
        }
    }
}

// A river end painted as the tile painting tool does with rivers joined automatically.
void PaintRiverEnd(TileMap& map, int row, int column) {
    if (map.IsRiverAt(row, column))
        return;
    const TileCell old = map.At(row, column);
    map.Set(row, column, MakeCell(0, 43));
    JoinRiverAt(map, row, column);
    const int code = CodeOf(old);
    if (code == 3 || code == 32 || code == 44)
        map.Set(row, column, MakeCell((RotationOf(old) + 3) % 4, 21));
}

} // namespace

bool RenderContactSheet(const std::string& tilesFolder, const std::string& pngPath) {
    const std::vector<TurnedImages> tiles = LoadTurnedTiles(tilesFolder);
    constexpr int perRow = 3;
    constexpr int entryWidth = 4 * 68 + 4 * 20 + 16;
    constexpr int entryHeight = 18 + 64 + 10;
    const int rows = (TileCatalogueSize + perRow - 1) / perRow;
    QImage sheet(perRow * entryWidth, rows * entryHeight, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 230));
    QPainter painter(&sheet);
    painter.setFont(QFont("DejaVu Sans", 9));
    for (int code = 0; code < TileCatalogueSize; ++code) {
        const int x = (code % perRow) * entryWidth + 6;
        const int y = (code / perRow) * entryHeight;
        painter.setPen(Qt::black);
        painter.drawText(x, y + 13,
                         QString("%1  %2").arg(code).arg(
                             QString::fromStdString(std::string(TileFileName(code)))));
        for (int rotation = 0; rotation < 4; ++rotation) {
            const QImage& image = tiles[code][rotation];
            if (image.isNull()) {
                painter.fillRect(x + rotation * 68, y + 18, 64, 64, Qt::magenta);
                continue;
            }
            painter.drawImage(x + rotation * 68, y + 18, image);
            painter.drawImage(QRect(x + 4 * 68 + rotation * 20, y + 18, 16, 16), image);
        }
    }
    painter.end();
    return sheet.save(QString::fromStdString(pngPath));
}

bool RenderSampleMap(const std::string& tilesFolder, const std::string& pngPath) {
    const std::vector<TurnedImages> tiles = LoadTurnedTiles(tilesFolder);
    constexpr int rows = 10;
    constexpr int columns = 16;
    TileMap map;
    map.Replace(std::vector<TileCell>(MapCellCount, MakeCell(0, 1)));
    // Fields in the north-west, with their field transitions.
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            map.Set(row, column, MakeCell((row + column) % 4, 6 + (row * 4 + column) % 4));
    for (int row = 0; row < 3; ++row)
        map.Set(row, 4, MakeCell(3, 47));
    for (int column = 0; column < 4; ++column)
        map.Set(3, column, MakeCell(0, 47));
    map.Set(3, 4, MakeCell(0, 38));
    // A forest, a town, a lake and mountains, each with joined borders.
    PlaceBlock(map, 0, 6, 3, 10, {27, 26, 0, 31, 0});
    PlaceBlock(map, 5, 0, 8, 4, {10, 13, 0, 11, 1});
    map.Set(6, 2, MakeCell(0, 42));
    PlaceBlock(map, 5, 7, 9, 12, {2, 3, 0, 5, 0});
    PlaceBlock(map, 0, 12, 4, 15, {22, 24, 2, 23, 2});
    // A river painted cell by cell towards the lake, and a road crossing the map.
    const int riverPath[][2] = {{1, 11}, {2, 11}, {3, 11}, {4, 11}, {4, 10}, {4, 9}, {5, 9}};
    for (const auto& cell : riverPath)
        PaintRiverEnd(map, cell[0], cell[1]);
    for (int row = 0; row < rows; ++row)
        if (!map.IsRiverAt(row, 5))
            map.SetRoadAt(row, 5);
    const QImage image = DrawCells(map, tiles, rows, columns);
    return image.save(QString::fromStdString(pngPath));
}

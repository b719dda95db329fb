#include "core/area/FillRect.h"

bool FillTurnsRandomly(TileCode code) {
    if (code >= TileCatalogueSize || CatalogueEntry(code).edgeMask != 0)
        return false;
    const std::string_view name = TileFileName(code);
    return IsFieldTile(code) || name.starts_with("Forst");
}

CellRect FillRect(TileMap& tiles, CellRect rect, TileCode code, ClassicRandom& random) {
    rect = rect.ClippedToMap();
    if (!tiles.HasTileMap() || rect.Empty())
        return {};
    const bool turn = FillTurnsRandomly(code);
    for (int row = rect.top; row < rect.bottom; ++row)
        for (int column = rect.left; column < rect.right; ++column)
            tiles.Set(row, column, MakeCell(turn ? random.Next() % 4 : 0, code));
    return rect;
}

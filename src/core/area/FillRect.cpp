#include "core/area/FillRect.h"

#include <algorithm>

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
    // The generator works on a local copy: a cell written through a byte pointer could be
    // the generator's state as far as the compiler knows, which would keep it in memory.
    ClassicRandom draws = random;
    for (int row = rect.top; row < rect.bottom; ++row) {
        TileCell* const line = tiles.Cells().data() + CellIndex(row, rect.left);
        if (!turn) {
            std::fill_n(line, rect.Width(), MakeCell(0, code));
            continue;
        }
        for (int i = 0; i < rect.Width(); ++i)
            line[i] = MakeCell(draws.Next() % 4, code);
    }
    random = draws;
    return rect;
}

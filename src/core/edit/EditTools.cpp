#include "core/edit/EditTools.h"

#include "core/edit/EditModes.h"
#include "core/mesh/TerrainMesh.h"

namespace {
constexpr TileCode RiverEndCode = 43;   // "Rivrnd.bmp"
constexpr TileCode RoadCode = 35;       // "Road2.bmp"
constexpr TileCode GrassCode = 1;       // "Grass.bmp"
constexpr TileCode RiverMouthCode = 21; // "River8.bmp"

bool IsRiverMouthCoast(int code) {
    return code == 3 || code == 32 || code == 44;
}

// The left button's tile: a river end or a road joined to its neighbours, or SelectedTile.
void PaintSelectedTile(Editor& editor, int row, int column, TileCell old) {
    TileMap& tiles = editor.tileMap;
    const bool autoDraw = editor.flags.AutoDrawRivers;
    if (autoDraw && editor.SelectedTile == RiverEndCode) {
        if (tiles.IsRiverAt(row, column))
            return;
        tiles.Set(row, column, MakeCell(0, RiverEndCode));
        JoinRiverAt(tiles, row, column);
        // A river end painted on the coast becomes a river mouth facing the old shore.
        if (IsRiverMouthCoast(CodeOf(old)))
            tiles.Set(row, column, MakeCell(RotationOf(old) + 3, RiverMouthCode));
    } else if (autoDraw && editor.SelectedTile == RoadCode) {
        if (!tiles.IsRoadAt(row, column))
            tiles.SetRoadAt(row, column);
    } else {
        tiles.Set(row, column, editor.SelectedTile);
    }
}

void PaintTile(Editor& editor, Shell& shell, ButtonAction action, int row, int column) {
    TileMap& tiles = editor.tileMap;
    if (!tiles.HasTileMap())
        return;
    const TileCell old = tiles.At(row, column);
    if (action == ButtonAction::RightPress)
        tiles.Set(row, column, MakeCell(RotationOf(old) + 1, CodeOf(old)));
    else if (action == ButtonAction::MiddlePress)
        tiles.Set(row, column, MakeCell(RotationOf(old), GrassCode));
    else
        PaintSelectedTile(editor, row, column, old);
    shell.Invalidate(WindowId::Main, false);
    shell.Update(WindowId::Main);
}

void EditHeight(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers, int row,
                int column) {
    HeightMap& heights = editor.heightMap;
    if (!heights.HasHeightMap())
        return;
    const int index = CellIndex(row, column);
    const int step = HeightStep(modifiers);
    int height = heights.At(index);
    if (action == ButtonAction::LeftPress)
        height = height + step < 65536 ? height + step : 65535;
    else if (action == ButtonAction::RightPress)
        height = step < height ? height - step : 0;
    heights.Set(index, static_cast<uint16_t>(height));
    BuildTerrainMesh(editor, shell, editor.view.ViewOriginColumn, editor.view.ViewOriginRow);
    shell.Invalidate(WindowId::TerrainView, true);
}

void CreateRails(Editor& editor, Shell& shell, ButtonAction action) {
    if (!editor.tileMap.HasTileMap())
        return;
    if (action == ButtonAction::LeftRelease) {
        AddRailPoint(editor.rails, shell, editor.cursor.MouseWorldX, editor.cursor.MouseWorldY);
    } else if (action == ButtonAction::RightRelease) {
        CommitRailPoints(editor.rails, shell);
        // The height view draws the committed sections too.
        shell.Invalidate(WindowId::Main, false);
        shell.Invalidate(WindowId::HeightView, false);
    }
}

void MoveRails(Editor& editor, Shell& shell, ButtonAction action) {
    if (!editor.tileMap.HasTileMap() || editor.rails.IsEmpty())
        return;
    if (action == ButtonAction::LeftPress) {
        MoveNearestRailPoint(editor.rails, editor.cursor.MouseWorldX, editor.cursor.MouseWorldY);
        shell.Invalidate(WindowId::Main, false);
    }
}
} // namespace

int HeightStep(Modifiers modifiers) {
    if (modifiers.shift)
        return 1;
    if (modifiers.control)
        return 100;
    return 10;
}

void EditAtCursor(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers) {
    // Widened so that no cursor or origin value can overflow the sum.
    const long long column =
        static_cast<long long>(editor.view.ViewOriginColumn) + editor.cursor.MouseColumn;
    const long long row =
        static_cast<long long>(editor.view.ViewOriginRow) + editor.cursor.MouseRow;
    if (row < 0 || row >= MapHeight || column < 0 || column >= MapWidth)
        return;
    const int r = static_cast<int>(row);
    const int c = static_cast<int>(column);
    switch (editor.EditMode) {
    case ToolMode::TilePainting:
        PaintTile(editor, shell, action, r, c);
        break;
    case ToolMode::HeightEditing:
        EditHeight(editor, shell, action, modifiers, r, c);
        break;
    case ToolMode::CreateRails:
        CreateRails(editor, shell, action);
        break;
    case ToolMode::MoveRails:
        MoveRails(editor, shell, action);
        break;
    }
}

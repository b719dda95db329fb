#include "core/tools/TilePaintingTool.h"

#include "core/edit/Editor.h"
#include "core/tilemap/JoinRiverAt.h"

namespace {
constexpr TileCode RiverEndCode = 43;   // "Rivrnd.bmp"
constexpr TileCode RoadCode = 35;       // "Road2.bmp"
constexpr TileCode GrassCode = 1;       // "Grass.bmp"
constexpr TileCode RiverMouthCode = 21; // "River8.bmp"

bool IsRiverMouthCoast(int code) {
    return code == 3 || code == 32 || code == 44;
}

} // namespace

namespace {
// Paints the selected tile into `tiles`; returns the cells that may have changed (a river
// end joins a neighbour).
CellRect PaintSelectedTileInto(TileMap& tiles, const Editor& editor, int row, int column) {
    const TileCell old = tiles.At(row, column);
    const CellRect cell{column, row, column + 1, row + 1};
    const bool autoDraw = editor.flags.AutoDrawRivers;
    if (autoDraw && editor.SelectedTile == RiverEndCode) {
        if (tiles.IsRiverAt(row, column))
            return {};
        tiles.Set(row, column, MakeCell(0, RiverEndCode));
        JoinRiverAt(tiles, row, column);
        // A river end painted on the coast becomes a river mouth facing the old shore.
        if (IsRiverMouthCoast(CodeOf(old)))
            tiles.Set(row, column, MakeCell(RotationOf(old) + 3, RiverMouthCode));
        return {column - 1, row - 1, column + 2, row + 2};
    }
    if (autoDraw && editor.SelectedTile == RoadCode) {
        if (tiles.IsRoadAt(row, column))
            return {};
        tiles.SetRoadAt(row, column);
        return cell;
    }
    if (old == editor.SelectedTile)
        return {};
    tiles.Set(row, column, editor.SelectedTile);
    return cell;
}
} // namespace

void PaintSelectedTile(Editor& editor, int row, int column) {
    editor.area.lastPainted = MapPoint{row, column};
    editor.document.EditTiles(
        [&](TileMap& tiles) { return PaintSelectedTileInto(tiles, editor, row, column); });
}

void TilePaintingTool::Act(Editor& editor, Shell& /*shell*/, ButtonAction action,
                           Modifiers /*modifiers*/, int row, int column) const {
    const TileMap& tiles = editor.document.Tiles();
    if (!tiles.HasTileMap())
        return;
    const TileCell old = tiles.At(row, column);
    if (action == ButtonAction::RightPress)
        editor.document.SetTile(row, column, MakeCell(RotationOf(old) + 1, CodeOf(old)));
    else if (action == ButtonAction::MiddlePress)
        editor.document.SetTile(row, column, MakeCell(RotationOf(old), GrassCode));
    else
        PaintSelectedTile(editor, row, column);
}

std::string TilePaintingTool::StepName(ButtonAction action) const {
    if (action == ButtonAction::RightPress)
        return "Turn Tile";
    return action == ButtonAction::MiddlePress ? "Clear Tile" : "Paint Tiles";
}

std::string TilePaintingTool::Hint() const {
    return "Left: paint the chosen tile; right: turn a tile; middle: clear it to grass.";
}

#include "core/tools/FloodFillTool.h"

#include "core/area/FloodFill.h"
#include "core/edit/Editor.h"
#include "core/tools/AreaToolSupport.h"

std::string FloodFillTool::StepName(ButtonAction /*action*/) const {
    return "Flood Fill";
}

std::string FloodFillTool::Hint() const {
    return "Click: fill the connected cells of the clicked tile with the chosen tile.";
}

void FloodFillTool::Press(Editor& editor, Shell& /*shell*/, ButtonAction action,
                          Modifiers /*modifiers*/, MapPoint cell) const {
    if (action != ButtonAction::LeftPress)
        return;
    editor.document.EditTiles([&](TileMap& tiles) {
        return FloodFill(tiles, cell.row, cell.column, editor.SelectedTile);
    });
}

void FloodFillTool::Release(Editor& editor, Shell& shell, ButtonAction action,
                            Modifiers /*modifiers*/, MapPoint /*cell*/) const {
    if (action == ButtonAction::LeftRelease)
        FinishLayerEdit(editor, shell);
}

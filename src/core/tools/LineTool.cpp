#include "core/tools/LineTool.h"

#include "core/area/LineCells.h"
#include "core/edit/Editor.h"
#include "core/tools/AreaToolSupport.h"
#include "core/tools/TilePaintingTool.h"

CellRect PaintTileLine(Editor& editor, MapPoint from, MapPoint to) {
    CellRect touched;
    if (!editor.document.Tiles().HasTileMap())
        return touched;
    for (const LineCell cell : LineCells({from.row, from.column}, {to.row, to.column})) {
        if (!IsInsideMap(cell.row, cell.column))
            continue;
        PaintSelectedTile(editor, cell.row, cell.column);
        touched = touched.Including(cell.row - 1, cell.column - 1)
                      .Including(cell.row + 1, cell.column + 1);
    }
    return touched.ClippedToMap();
}

std::string LineTool::StepName(ButtonAction /*action*/) const {
    return "Draw Line";
}

std::string LineTool::Hint() const {
    return "Click or drag: paint the chosen tile; Shift+click: a straight line from the last "
           "painted cell.";
}

void LineTool::Press(Editor& editor, Shell& /*shell*/, ButtonAction action, Modifiers modifiers,
                     MapPoint cell) const {
    if (action != ButtonAction::LeftPress)
        return;
    const auto& last = editor.area.lastPainted;
    const MapPoint from = modifiers.shift && last ? *last : cell;
    PaintTileLine(editor, from, cell);
}

void LineTool::Move(Editor& editor, Shell& /*shell*/, MapPoint cell, bool leftHeld) const {
    const auto& last = editor.area.lastPainted;
    if (!leftHeld || !last || *last == cell || !IsInsideMap(cell.row, cell.column))
        return;
    PaintTileLine(editor, *last, cell);
}

void LineTool::Release(Editor& editor, Shell& shell, ButtonAction action, Modifiers /*modifiers*/,
                       MapPoint /*cell*/) const {
    if (action == ButtonAction::LeftRelease)
        FinishLayerEdit(editor, shell);
}

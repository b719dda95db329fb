#include "core/tools/PasteTool.h"

#include "core/edit/EditModes.h"
#include "core/edit/Editor.h"
#include "core/tools/AreaToolSupport.h"

#include <QPainter>

namespace {
CellRect PreviewAt(const Editor& editor, MapPoint cell) {
    const MapClip& clip = editor.area.clip;
    return {cell.column, cell.row, cell.column + clip.width, cell.row + clip.height};
}

PasteLayers ChosenLayers(const AreaToolState& area) {
    if (area.pasteTiles && area.pasteHeights)
        return PasteLayers::TilesAndHeights;
    return area.pasteTiles ? PasteLayers::TilesOnly : PasteLayers::HeightsOnly;
}

void EndPasting(Editor& editor) {
    SwitchTool(editor, ToolMode::Select);
}
} // namespace

std::string PasteTool::StepName(ButtonAction /*action*/) const {
    return "Paste";
}

std::string PasteTool::Hint() const {
    return "Click: paste the copied cells here; right click or Escape: stop pasting.";
}

void PasteTool::Press(Editor& editor, Shell& /*shell*/, ButtonAction action,
                      Modifiers /*modifiers*/, MapPoint cell) const {
    if (action == ButtonAction::RightPress) {
        EndPasting(editor);
        return;
    }
    if (action != ButtonAction::LeftPress)
        return;
    auto& area = editor.area;
    if (!area.pasteTiles && !area.pasteHeights)
        return;
    editor.document.EditTilesAndHeights([&](TileMap& tiles, HeightMap& heights) {
        return PasteClip(tiles, heights, area.clip, cell.row, cell.column, ChosenLayers(area));
    });
}

void PasteTool::Release(Editor& editor, Shell& shell, ButtonAction action, Modifiers /*modifiers*/,
                        MapPoint /*cell*/) const {
    if (action == ButtonAction::LeftRelease)
        FinishLayerEdit(editor, shell);
}

void PasteTool::Move(Editor& editor, Shell& /*shell*/, MapPoint cell, bool /*leftHeld*/) const {
    if (cell == editor.area.pointer)
        return;
    const CellRect before = OverlayCells(editor);
    editor.area.pointer = cell;
    AnnounceOverlayChanged(editor, before);
}

bool PasteTool::KeyPress(Editor& editor, Shell& /*shell*/, Key key) const {
    if (key != Key::Escape)
        return false;
    EndPasting(editor);
    return true;
}

CellRect PasteTool::OverlayCells(const Editor& editor) const {
    return PreviewAt(editor, editor.area.pointer);
}

void PasteTool::PaintOverlay(QPainter& painter, const Editor& editor) const {
    const QRect frame = ViewPixelsOf(editor, OverlayCells(editor));
    painter.save();
    painter.fillRect(frame, QColor(255, 255, 255, 64));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 0), 1, Qt::DashLine));
    painter.drawRect(frame);
    painter.restore();
}

#include "core/tools/HeightBrushTool.h"

#include "core/edit/Editor.h"
#include "core/tools/AreaToolSupport.h"

#include <QPainter>

#include <algorithm>

namespace {
uint16_t HeightUnder(const HeightMap& heights, MapPoint cell) {
    const int row = std::clamp(cell.row, 0, MapHeight - 1);
    const int column = std::clamp(cell.column, 0, MapWidth - 1);
    return heights.At(CellIndex(row, column));
}

// The brush a stroke uses, fixed at its press.
BrushSettings StrokeBrush(const Editor& editor, Modifiers modifiers, MapPoint cell) {
    BrushSettings brush = editor.area.brush;
    if (modifiers.shift && brush.mode == BrushMode::Raise)
        brush.mode = BrushMode::Lower;
    else if (modifiers.shift && brush.mode == BrushMode::Lower)
        brush.mode = BrushMode::Raise;
    if (brush.mode == BrushMode::Flatten)
        brush.target = HeightUnder(editor.document.Heights(), cell);
    else if (brush.mode == BrushMode::Set)
        brush.target = editor.area.brushSetValue;
    return brush;
}

void Dab(Editor& editor, MapPoint cell) {
    auto& area = editor.area;
    editor.document.EditHeights(
        [&](HeightMap& heights) { return area.stroke->Dab(heights, cell.row, cell.column); });
    area.brushLastDab = cell;
}
} // namespace

std::string HeightBrushTool::StepName(ButtonAction /*action*/) const {
    return "Height Brush";
}

std::string HeightBrushTool::Hint() const {
    return "Drag: brush the heights (Shift: raise and lower swapped); in set mode Ctrl+click "
           "picks the value. [ ] radius, - = strength.";
}

void HeightBrushTool::Press(Editor& editor, Shell& /*shell*/, ButtonAction action,
                            Modifiers modifiers, MapPoint cell) const {
    auto& area = editor.area;
    if (action != ButtonAction::LeftPress || !editor.document.Heights().HasHeightMap())
        return;
    if (modifiers.control && area.brush.mode == BrushMode::Set) {
        if (IsInsideMap(cell.row, cell.column))
            area.brushSetValue = HeightUnder(editor.document.Heights(), cell);
        return;
    }
    area.stroke.emplace(StrokeBrush(editor, modifiers, cell));
    Dab(editor, cell);
}

void HeightBrushTool::Move(Editor& editor, Shell& /*shell*/, MapPoint cell, bool leftHeld) const {
    auto& area = editor.area;
    if (cell != area.pointer) {
        // The outline leaves its old place and shows at the new one.
        const CellRect before = OverlayCells(editor);
        area.pointer = cell;
        AnnounceOverlayChanged(editor, before);
    }
    if (leftHeld && area.brushLastDab && *area.brushLastDab != cell)
        Dab(editor, cell);
}

void HeightBrushTool::Release(Editor& editor, Shell& shell, ButtonAction action,
                              Modifiers /*modifiers*/, MapPoint /*cell*/) const {
    if (action != ButtonAction::LeftRelease || !editor.area.brushLastDab)
        return;
    editor.area.brushLastDab.reset();
    editor.area.stroke.reset();
    FinishLayerEdit(editor, shell);
}

CellRect HeightBrushTool::OverlayCells(const Editor& editor) const {
    const MapPoint centre = editor.area.pointer;
    const int radius = editor.area.brush.radius;
    return {centre.column - radius, centre.row - radius, centre.column + radius + 1,
            centre.row + radius + 1};
}

void HeightBrushTool::PaintOverlay(QPainter& painter, const Editor& editor) const {
    const MapPoint centre = editor.area.pointer;
    const QRect cellPixels =
        ViewPixelsOf(editor, {centre.column, centre.row, centre.column + 1, centre.row + 1});
    const double reach = (editor.area.brush.radius + 0.5) * editor.view.TilePixels;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 0), 1));
    painter.drawEllipse(QRectF(cellPixels).center(), reach, reach);
    painter.restore();
}

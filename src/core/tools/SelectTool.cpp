#include "core/tools/SelectTool.h"

#include "core/edit/Editor.h"
#include "core/tools/AreaToolSupport.h"

#include <QPainter>

#include <algorithm>

namespace {
MapPoint ClampedToMap(MapPoint cell) {
    return {std::clamp(cell.row, 0, MapHeight - 1), std::clamp(cell.column, 0, MapWidth - 1)};
}
} // namespace

void SetSelection(Editor& editor, std::optional<CellRect> selection) {
    const CellRect before = PointerOverlayCells(editor);
    editor.area.selection = selection;
    AnnounceOverlayChanged(editor, before);
}

std::string SelectTool::StepName(ButtonAction /*action*/) const {
    return "Select";
}

std::string SelectTool::Hint() const {
    return "Drag: select a rectangle; right click: select none. Then Fill Selection, Copy or Cut.";
}

void SelectTool::Press(Editor& editor, Shell& /*shell*/, ButtonAction action,
                       Modifiers /*modifiers*/, MapPoint cell) const {
    if (action == ButtonAction::RightPress) {
        SetSelection(editor, std::nullopt);
        return;
    }
    if (action != ButtonAction::LeftPress)
        return;
    const MapPoint corner = ClampedToMap(cell);
    editor.area.selectionAnchor = corner;
    SetSelection(editor, CellRect::Spanning(corner.row, corner.column, corner.row, corner.column));
}

void SelectTool::Move(Editor& editor, Shell& /*shell*/, MapPoint cell, bool leftHeld) const {
    const auto& anchor = editor.area.selectionAnchor;
    if (!leftHeld || !anchor)
        return;
    const MapPoint corner = ClampedToMap(cell);
    const CellRect spanned =
        CellRect::Spanning(anchor->row, anchor->column, corner.row, corner.column);
    if (spanned != editor.area.selection)
        SetSelection(editor, spanned);
}

void SelectTool::Release(Editor& editor, Shell& shell, ButtonAction action, Modifiers /*modifiers*/,
                         MapPoint cell) const {
    if (action != ButtonAction::LeftRelease)
        return;
    Move(editor, shell, cell, true);
    editor.area.selectionAnchor.reset();
}

CellRect SelectTool::OverlayCells(const Editor& editor) const {
    return editor.area.selection.value_or(CellRect{});
}

void SelectTool::PaintOverlay(QPainter& painter, const Editor& editor) const {
    if (!editor.area.selection)
        return;
    // Black dashes over white, moving along the frame with the march phase.
    const QRect frame = ViewPixelsOf(editor, *editor.area.selection);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(frame);
    QPen dashes(Qt::black, 1, Qt::CustomDashLine);
    dashes.setDashPattern({4, 4});
    dashes.setDashOffset(editor.area.marchPhase % 8);
    painter.setPen(dashes);
    painter.drawRect(frame);
    painter.restore();
}

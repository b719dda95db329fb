#include "core/tools/HeightEditingTool.h"

#include "core/edit/Editor.h"
#include "core/edit/ViewOps.h"
#include "core/paint/OverlayPens.h"
#include "core/paint/PaintPrimitives.h"

int HeightStep(Modifiers modifiers) {
    if (modifiers.shift)
        return 1;
    if (modifiers.control)
        return 100;
    return 10;
}

void HeightEditingTool::Act(Editor& editor, Shell& shell, ButtonAction action, Modifiers modifiers,
                            int row, int column) const {
    const HeightMap& heights = editor.document.Heights();
    if (!heights.HasHeightMap())
        return;
    const int index = CellIndex(row, column);
    const int step = HeightStep(modifiers);
    int height = heights.At(index);
    if (action == ButtonAction::LeftPress)
        height = height + step < 65536 ? height + step : 65535;
    else if (action == ButtonAction::RightPress)
        height = step < height ? height - step : 0;
    editor.document.SetHeight(index, static_cast<uint16_t>(height));
    // The 3D window comes back onto the block, as after any edit.
    RecentreViews(editor, shell);
}

std::string HeightEditingTool::StepName(ButtonAction /*action*/) const {
    return "Edit Heights";
}

std::string HeightEditingTool::Hint() const {
    return "Left: raise, right: lower the vertex by 10 (Shift: 1, Ctrl: 100).";
}

void HeightEditingTool::PaintOverlay(QPainter& painter, const Editor& editor) const {
    // A red cross one cell long each way, centred on the grid vertex the cursor snapped to.
    const int w = editor.view.TilePixels;
    const int h = editor.view.TilePixels;
    const QPoint p(editor.cursor.MouseColumn * w, editor.cursor.MouseRow * h);
    painter.setPen(Pens().RedPen);
    DrawLine(painter, p, p + QPoint(w, 0));
    DrawLine(painter, p, p - QPoint(w, 0));
    DrawLine(painter, p, p + QPoint(0, h));
    DrawLine(painter, p, p - QPoint(0, h));
}

#include "core/tools/HeightEditingTool.h"

#include "core/edit/Editor.h"
#include "core/edit/ViewOps.h"
#include "core/render/TextureViewOverlays.h"

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
    PaintHeightEditCross(painter, editor.view, editor.cursor);
}

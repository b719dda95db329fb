#include "core/tools/MoveRailsTool.h"

#include "core/edit/Editor.h"

void MoveRailsTool::Act(Editor& editor, Shell& shell, ButtonAction action, Modifiers /*modifiers*/,
                        int /*row*/, int /*column*/) const {
    if (!editor.tileMap.HasTileMap() || editor.rails.IsEmpty())
        return;
    if (action == ButtonAction::LeftPress) {
        MoveNearestRailPoint(editor.rails, editor.cursor.MouseWorldX, editor.cursor.MouseWorldY);
        shell.Invalidate(WindowId::Main, false);
    }
}

std::string MoveRailsTool::StepName(ButtonAction /*action*/) const {
    return "Move Rail Point";
}

std::string MoveRailsTool::Hint() const {
    return "Left: move the nearest rail point to the pointer.";
}

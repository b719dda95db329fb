#include "core/tools/MoveRailsTool.h"

#include "core/edit/Editor.h"

void MoveRailsTool::Act(Editor& editor, Shell& /*shell*/, ButtonAction action,
                        Modifiers /*modifiers*/, int /*row*/, int /*column*/) const {
    if (!editor.document.Tiles().HasTileMap() || editor.document.Rails().IsEmpty())
        return;
    if (action == ButtonAction::LeftPress) {
        editor.document.EditRails([&](RailNetwork& rails) {
            MoveNearestRailPoint(rails, editor.cursor.MouseWorldX, editor.cursor.MouseWorldY);
        });
    }
}

std::string MoveRailsTool::StepName(ButtonAction /*action*/) const {
    return "Move Rail Point";
}

std::string MoveRailsTool::Hint() const {
    return "Left: move the nearest rail point to the pointer.";
}
